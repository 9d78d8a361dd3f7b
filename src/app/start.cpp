#include "app/start.h"

#include <QApplication>
#include <QThreadPool>

#include "navigation/form8.h"
#include "platform/linux_platform.h"
#include "platform/look.h"
#include "platform/material_setup.h"

namespace app {

int runTrainer(int argc, char** argv, const std::function<void(QApplication&)>& started) {
    QApplication app(argc, argv);
    forms::look::styleApplication();
    // Qt blends a large picture that other controls overlap in slices, each on a thread
    // of its global pool: the start window's banner would start eight threads before the
    // window is painted, which costs more than the slicing saves on pictures this size.
    // One thread takes the slices in turn, with the same pixels.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
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
