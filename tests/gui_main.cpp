// The GUI tests run the real widgets on the offscreen platform.
#include "korvant_application.h"

#include <gtest/gtest.h>

namespace {
QtMessageHandler g_previous = nullptr;

// The offscreen platform says so each time a window is shown; nothing to see.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    g_previous(type, context, message);
}
} // namespace

int main(int argc, char** argv)
{
    g_previous = qInstallMessageHandler(QuietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    skelvora::KorvantApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
