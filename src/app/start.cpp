#include "app/start.h"

#include <QApplication>

#include "navigation/form8.h"
#include "platform/linux_platform.h"
#include "platform/look.h"

namespace app {

int runTrainer(int argc, char** argv, const std::function<void(QApplication&)>& started) {
    QApplication app(argc, argv);
    forms::look::styleApplication();
    platform::LinuxPlatform linuxPlatform;
    platform::install(&linuxPlatform);
    if (started) started(app);
    forms::form<Form8>().Show();
    int status = QApplication::exec();
    forms::Registry::reset();
    return status;
}

}  // namespace app
