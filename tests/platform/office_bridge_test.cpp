// The UNO bridge against a real, headless LibreOffice with a profile of its own: what
// each request leaves in the office, read back through the same bridge.
#include "platform/office_bridge.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

namespace {

// Connects (waiting up to a minute for the office), then: "clear" closes every
// document, "list" prints each one, "quit" ends the office.
constexpr const char* kProbe = R"PY(
import json, os, sys, time
import uno
from com.sun.star.connection import NoConnectException
pipe, mode = sys.argv[1:3]
local = uno.getComponentContext()
resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
deadline = time.monotonic() + 60
while True:
    try:
        context = resolver.resolve("uno:pipe,name=" + pipe + ";urp;StarOffice.ComponentContext")
        break
    except NoConnectException:
        if time.monotonic() > deadline:
            os._exit(4)
        time.sleep(0.3)
desktop = context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
if mode == "quit":
    try:
        desktop.terminate()
    except Exception:
        pass
    os._exit(0)
documents = []
components = desktop.getComponents().createEnumeration()
while components.hasMoreElements():
    documents.append(components.nextElement())
if mode == "clear":
    for d in documents:
        d.close(True)
    os._exit(0)
out = []
for d in documents:
    item = {"url": d.getURL(), "modified": d.isModified()}
    if d.supportsService("com.sun.star.text.TextDocument"):
        item["kind"] = "writer"
        paragraphs = d.getText().createEnumeration()
        item["paragraphs"] = []
        while paragraphs.hasMoreElements():
            item["paragraphs"].append(paragraphs.nextElement().getString())
    elif d.supportsService("com.sun.star.sheet.SpreadsheetDocument"):
        item["kind"] = "calc"
        item["sheets"] = d.getSheets().getCount()
    elif d.supportsService("com.sun.star.presentation.PresentationDocument"):
        item["kind"] = "impress"
    out.append(item)
from com.sun.star.beans import PropertyValue
path = PropertyValue()
path.Name = "nodepath"
path.Value = "/org.openoffice.Office.Calc/Defaults/Sheet"
provider = context.ServiceManager.createInstanceWithContext("com.sun.star.configuration.ConfigurationProvider", context)
settings = provider.createInstanceWithArguments("com.sun.star.configuration.ConfigurationAccess", (path,))
print(json.dumps({"documents": out, "sheetCount": settings.getPropertyValue("SheetCount")}), flush=True)
os._exit(0)
)PY";

class OfficeBridgeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (platform::officeProgram().empty() || !runs({"/usr/bin/python3", "-c", "import uno"})) return;
        pipe_ = "ppt-trainer-test-" + std::to_string(QCoreApplication::applicationPid());
        profile_ = new QTemporaryDir;
        office_ = new QProcess;
        office_->start(QString::fromStdString(platform::officeProgram()),
                       {"--headless", "--invisible", "--norestore", "--nologo", "--nodefault",
                        "-env:UserInstallation=" + QUrl::fromLocalFile(profile_->path()).toString(),
                        QString::fromStdString("--accept=pipe,name=" + pipe_ + ";urp;")});
        ready_ = office_->waitForStarted() && probe("clear").has_value();
    }
    static void TearDownTestSuite() {
        if (!office_) return;
        probe("quit");
        if (!office_->waitForFinished(20000)) office_->kill();
        office_->waitForFinished();
        delete office_;
        delete profile_;
        office_ = nullptr;
    }
    void SetUp() override {
        if (!ready_) GTEST_SKIP() << "LibreOffice or python3-uno is not installed";
        ASSERT_TRUE(probe("clear"));
    }

    static bool runs(const std::vector<std::string>& command, QByteArray* output = nullptr) {
        QProcess p;
        QStringList arguments;
        for (std::size_t i = 1; i < command.size(); ++i) arguments << QString::fromStdString(command[i]);
        p.start(QString::fromStdString(command.front()), arguments);
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            return false;
        }
        if (output) *output = p.readAllStandardOutput();
        const bool done = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        if (!done) ADD_FAILURE() << p.exitCode() << ": " << p.readAllStandardError().toStdString();
        return done;
    }
    static std::optional<QByteArray> probe(const std::string& mode) {
        QByteArray out;
        if (!runs({"/usr/bin/python3", "-c", kProbe, pipe_, mode}, &out)) return std::nullopt;
        return out;
    }
    // Carries out the request, then lists what the office holds.
    static QJsonArray make(const platform::OfficeRequest& request) {
        EXPECT_TRUE(runs(platform::officeBridgeCommand(request, pipe_)));
        return listing()["documents"].toArray();
    }
    static QJsonObject listing() {
        auto listed = probe("list");
        EXPECT_TRUE(listed.has_value());
        return listed ? QJsonDocument::fromJson(*listed).object() : QJsonObject();
    }
    static std::vector<std::string> paragraphs(const QJsonObject& document) {
        std::vector<std::string> out;
        for (const auto& p : document["paragraphs"].toArray()) out.push_back(p.toString().toStdString());
        return out;
    }

    static inline std::string pipe_;
    static inline QTemporaryDir* profile_ = nullptr;
    static inline QProcess* office_ = nullptr;
    static inline bool ready_ = false;
};

TEST_F(OfficeBridgeTest, TextIsTypedIntoOneNewUntitledDocumentParagraphByParagraph) {
    std::string fifty;
    for (int i = 1; i <= 50; ++i) fifty += (i > 1 ? "\n" : "") + ("第" + std::to_string(i) + "行 a b");
    for (const std::string& text : {fifty, std::string("会议管理流程"), std::string()}) {
        auto documents = make({.component = "writer", .newDocument = true, .text = text});
        ASSERT_EQ(documents.size(), 1);
        const auto document = documents[0].toObject();
        EXPECT_EQ(document["kind"].toString(), "writer");
        EXPECT_EQ(document["url"].toString(), "") << "untitled, never saved";
        std::vector<std::string> expected;
        for (std::size_t start = 0;;) {
            const auto lf = text.find('\n', start);
            expected.push_back(text.substr(start, lf - start));
            if (lf == std::string::npos) break;
            start = lf + 1;
        }
        EXPECT_EQ(paragraphs(document), expected);
        ASSERT_TRUE(probe("clear"));
    }
}

// Calc reads its sheet count for new workbooks when the office starts; the setting is
// what the trainer can change, for the office's next start.
TEST_F(OfficeBridgeTest, ANewWorkbookWithTheSheetSettingAfterwardsAndANewPresentation) {
    const int before = listing()["sheetCount"].toInt();
    auto workbook = make({.component = "calc", .newDocument = true, .sheetsInNewWorkbook = 5});
    ASSERT_EQ(workbook.size(), 1);
    EXPECT_EQ(workbook[0].toObject()["kind"].toString(), "calc");
    EXPECT_EQ(workbook[0].toObject()["sheets"].toInt(), before) << "set after the workbook is added";
    EXPECT_EQ(listing()["sheetCount"].toInt(), 5);
    ASSERT_TRUE(probe("clear"));
    auto slides = make({.component = "impress", .newDocument = true});
    ASSERT_EQ(slides.size(), 1);
    EXPECT_EQ(slides[0].toObject()["kind"].toString(), "impress");
    EXPECT_EQ(slides[0].toObject()["url"].toString(), "");
}

}  // namespace
