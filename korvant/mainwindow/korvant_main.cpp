#include "korvant_main.h"
#include "korvant_app.h"
#include "korvant_application.h"
#include "program_dir.h"
#include "qt_dialogs.h"
#include "tform1.h"

#include <QScreen>
#include <QTimer>

namespace skelvora {

int KorvantMain(KorvantApplication& application, const std::function<void()>& whenShown)
{
    // The main window ends the program; dialogs left open do not keep it.
    QApplication::setQuitOnLastWindowClosed(false);

    QtDialogs dialogs;
    SystemClock clock;
    SystemLockKeys lockKeys;
    CodePage codePage(CodePage::ForUserLocale());
    Services services{dialogs, clock, lockKeys, codePage, SystemLocaleNames(codePage),
                      ProgramDirectory(), DefaultRegistryPath()};

    KorvantApp app(services);
    QObject::connect(&app, &KorvantApp::programEnds, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    app.CreateWindows();
    // Without a window manager a maximize request is not heard: fill the screen first.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        app.Form1->setGeometry(screen->availableGeometry());
    app.Form1->showMaximized();
    if (whenShown)
        QTimer::singleShot(0, &application, whenShown);
    app.reporter.run([&] { application.exec(); });
    return 0;
}

} // namespace skelvora
