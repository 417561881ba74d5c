#include "error_report.h"
#include "error_text.h"

#include <QApplication>
#include <exception>

namespace skelvora {

bool ErrorReporter::run(const std::function<void()>& f) noexcept
{
    try {
        f();
        return true;
    } catch (const std::exception& e) {
        report(QString::fromUtf8(e.what()));
    } catch (...) {
        report(QStringLiteral("Unknown error"));
    }
    return false;
}

void ErrorReporter::report(const QString& message) noexcept
{
    try {
        QString text = QString::fromUtf8(WithFullStop(message.toStdString()));
        dialogs_.messageBox(QApplication::activeWindow(), text, QStringLiteral("Skelvora"),
                            MsgButtons::Ok, MsgIcon::Stop, MsgAnswer::Ok);
    } catch (...) {
        // Nothing more can be said when even the box fails.
    }
}

} // namespace skelvora
