#include "halvent_form.h"
#include "qt_dialogs.h"
#include "registry_store.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skelvora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Skelvora"));

    std::string dir = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    if (dir.empty() || dir.back() != '/')
        dir += '/';

    skelvora::QtDialogs dialogs;
    halvent::TForm1 form(dialogs, dir, skelvora::DefaultRegistryPath());
    if (form.FormCreate())
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    else
        form.show();  // stays until the user closes it
    return app.exec();
}
