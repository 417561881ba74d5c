#pragma once
#include <QApplication>

namespace skelvora {

class KorvantApp;

// The application object. Every event passes its notify once, before any
// control sees it, which is where the windows preview their keys.
class KorvantApplication : public QApplication {
public:
    KorvantApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    KorvantApp* program = nullptr;
};

} // namespace skelvora
