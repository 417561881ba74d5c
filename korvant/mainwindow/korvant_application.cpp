#include "korvant_application.h"
#include "korvant_app.h"

namespace skelvora {

KorvantApplication::KorvantApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Skelvora"));
    setApplicationDisplayName(QStringLiteral("Skelvora"));
}

bool KorvantApplication::notify(QObject* receiver, QEvent* event)
{
    if (program && program->preview(receiver, event))
        return true;
    return QApplication::notify(receiver, event);
}

} // namespace skelvora
