#include <QApplication>
#include <QStyleFactory>

#include "navigation/form8.h"
#include "platform/linux_platform.h"
#include "platform/look.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);  // the windows decide when the program ends
    QApplication::setFont(forms::look::font(forms::Font{}));
    platform::LinuxPlatform linuxPlatform;
    platform::install(&linuxPlatform);
    forms::form<Form8>().Show();
    int status = QApplication::exec();
    forms::Registry::reset();
    return status;
}
