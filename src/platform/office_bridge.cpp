#include "platform/office_bridge.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "platform/forms.h"
#include "platform/message_dialog.h"

namespace platform {

namespace {

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Arguments: component, pipe, office program, new document (0/1), text, sheet count.
constexpr const char* kBridgeScript = R"PY(
import os, subprocess, sys, time
try:
    import uno
    from com.sun.star.beans import PropertyValue
    from com.sun.star.connection import NoConnectException
except ImportError:
    sys.exit(3)
component, pipe, office, new_document, text, sheets = sys.argv[1:7]
url = "uno:pipe,name=" + pipe + ";urp;StarOffice.ComponentContext"
local = uno.getComponentContext()
resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)

def connect():
    try:
        return resolver.resolve(url)
    except NoConnectException:
        return None

context = connect()
if context is None:
    subprocess.Popen([office, "--accept=pipe,name=" + pipe + ";urp;", "--norestore", "--nologo", "--nodefault"],
                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                     start_new_session=True)
    deadline = time.monotonic() + 90
    while context is None and time.monotonic() < deadline:
        time.sleep(0.5)
        context = connect()
    if context is None:
        os._exit(4)
manager = context.ServiceManager
if new_document == "1":
    desktop = manager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
    factory = {"writer": "swriter", "calc": "scalc", "impress": "simpress"}[component]
    document = desktop.loadComponentFromURL("private:factory/" + factory, "_blank", 0, ())
    if component == "writer" and text:
        from com.sun.star.text.ControlCharacter import PARAGRAPH_BREAK
        body = document.getText()
        view = document.getCurrentController().getViewCursor()
        cursor = body.createTextCursorByRange(view.getStart())
        for i, line in enumerate(text.split("\n")):
            if i:
                body.insertControlCharacter(cursor, PARAGRAPH_BREAK, False)
            body.insertString(cursor, line, False)
        view.gotoRange(cursor.getEnd(), False)
if int(sheets) > 0:
    provider = manager.createInstanceWithContext("com.sun.star.configuration.ConfigurationProvider", context)
    path = PropertyValue()
    path.Name = "nodepath"
    path.Value = "/org.openoffice.Office.Calc/Defaults/Sheet"
    access = provider.createInstanceWithArguments("com.sun.star.configuration.ConfigurationUpdateAccess", (path,))
    access.setPropertyValue("SheetCount", int(sheets))
    access.commitChanges()
# The Python bridge can crash while the interpreter tears it down; the work is done.
os._exit(0)
)PY";

// Debian's own interpreter carries python3-uno; another one first on the PATH may not.
std::string python() {
    if (QFileInfo("/usr/bin/python3").isExecutable()) return "/usr/bin/python3";
    return QStandardPaths::findExecutable("python3").toStdString();
}

std::string failureNotice(QProcess::ExitStatus status, int code) {
    if (status == QProcess::NormalExit && code == 3)
        return "未能启动办公软件：本机缺少LibreOffice的自动化组件python3-uno，请先安装后再试。";
    if (status == QProcess::NormalExit && code == 4) return "未能启动办公软件：LibreOffice没有按时启动，请稍后再试。";
    return "办公软件未能完成这一操作，请检查LibreOffice是否能正常使用。";
}

}  // namespace

std::string officePipeName() { return "ppt-trainer-" + std::to_string(getuid()); }

std::string officeProgram() {
    for (const char* program : {"soffice", "libreoffice"})
        if (!QStandardPaths::findExecutable(program).isEmpty()) return program;
    return {};
}

std::vector<std::string> officeBridgeCommand(const OfficeRequest& request, const std::string& pipe) {
    return {python(),
            "-c",
            kBridgeScript,
            request.component,
            pipe,
            officeProgram(),
            request.newDocument ? "1" : "0",
            request.text,
            std::to_string(request.sheetsInNewWorkbook)};
}

void runOfficeBridge(const OfficeRequest& request) {
    const auto command = officeBridgeCommand(request);
    if (command.front().empty()) {
        showMessageDialog("未能启动办公软件：本机没有找到Python 3，LibreOffice的自动化组件需要它。", forms::vbOKOnly,
                          forms::kApplicationTitle);
        return;
    }
    auto* process = new QProcess(QCoreApplication::instance());
    QStringList arguments;
    for (std::size_t i = 1; i < command.size(); ++i) arguments << q(command[i]);
    QObject::connect(process, &QProcess::finished, process, [process](int code, QProcess::ExitStatus status) {
        process->deleteLater();
        if (status != QProcess::NormalExit || code != 0)
            showMessageDialog(failureNotice(status, code), forms::vbOKOnly, forms::kApplicationTitle);
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        process->deleteLater();
        showMessageDialog("未能启动办公软件：Python 3没有启动。", forms::vbOKOnly, forms::kApplicationTitle);
    });
    process->setStandardInputFile(QProcess::nullDevice());
    process->start(q(command.front()), arguments);
}

}  // namespace platform
