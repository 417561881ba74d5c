#pragma once
#include <QWidget>

class QKeyEvent;

namespace skelvora {

class KorvantApp;

// A modeless window of the program: created once, shown when a command needs
// it, hidden again. Enter and Escape mean nothing unless a form says so.
class SkForm : public QWidget {
    Q_OBJECT
public:
    SkForm(KorvantApp& app, const QString& caption, bool previewsKeys);

    bool previewsKeys() const { return previewsKeys_; }
    // Sees every key before the focused control (for forms that preview
    // keys); returns true when the key was used up.
    virtual bool FormKeyPress(QWidget* target, QKeyEvent* event);
    // Shows the window, or brings it to the front when it is shown already.
    void ShowModeless();
    void Close() { hide(); }

protected:
    virtual void FormActivate() {}
    virtual void FormDeactivate() {}
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Only a close box, and the size the layout asks for.
    void fixSize();

    KorvantApp& app;

private:
    bool previewsKeys_;
    bool fixedSize_ = false;
};

} // namespace skelvora
