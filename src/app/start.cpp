#include "app/start.h"

#include <QApplication>
#include <QStyleFactory>

#include "navigation/form8.h"
#include "platform/linux_platform.h"
#include "platform/look.h"

namespace app {

int runTrainer(int argc, char** argv, const std::function<void(QApplication&)>& started) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);  // the windows decide when the program ends
    QApplication::setFont(forms::look::font(forms::Font{}));
    platform::LinuxPlatform linuxPlatform;
    platform::install(&linuxPlatform);
    if (started) started(app);
    forms::form<Form8>().Show();
    int status = QApplication::exec();
    forms::Registry::reset();
    return status;
}

}  // namespace app
