// The tests run the real windows on Qt's offscreen platform, with the recording
// platform installed in place of the desktop.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/forms.h"
#include "platform/look.h"
#include "support/recording_platform.h"

namespace {
QtMessageHandler standardHandler = nullptr;

// The offscreen platform cannot raise windows and says so at every Show.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("does not support raise()"))) return;
    if (standardHandler != nullptr) standardHandler(type, context, message);
}
}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    standardHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    forms::look::styleApplication();
    platform::install(&testing_support::recorder());
    ::testing::InitGoogleTest(&argc, argv);
    int status = RUN_ALL_TESTS();
    forms::Registry::reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
