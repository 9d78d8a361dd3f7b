#include "app/start.h"

#include <QApplication>

#include "navigation/form8.h"
#include "platform/linux_platform.h"
#include "platform/look.h"
#include "platform/material_setup.h"

namespace app {

int runTrainer(int argc, char** argv, const std::function<void(QApplication&)>& started) {
    QApplication app(argc, argv);
    forms::look::styleApplication();
    platform::LinuxPlatform linuxPlatform;
    platform::install(&linuxPlatform);
    if (started) started(app);
    Form8& start = forms::form<Form8>();
    // The learner finds the material and answer folders in drive C from the first start
    // on; they are put there once the start window is on the screen.
    material::putInPlaceOncePainted(start, material::runningProgramFolder());
    start.Show();
    int status = QApplication::exec();
    forms::Registry::reset();
    return status;
}

}  // namespace app
