// The shared helpers, and the real message box and menu of the desktop platform.
#include "platform/helpers.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "platform/linux_platform.h"
#include "shared/folders.h"
#include "support/trainer_test.h"

using namespace forms;

namespace {

class Plain : public Form {
public:
    Plain() : Form({.caption = "Plain"}) {}
};

using HelpersTest = TrainerTest;

TEST_F(HelpersTest, OpenFolderRunsExplorerWithTheFolderRightAfterTheCommaEachTime) {
    helpers::OpenFolder(practiceMaterialFolder("421"));
    helpers::OpenFolder(practiceMaterialFolder("421"));
    helpers::OpenFolder(caseAnswerFolder(40));
    using Line = std::pair<std::string, int>;
    EXPECT_EQ(shell().commandLines,
              (std::vector<Line>{{"explorer /n,C:\\PowerPointZentrix\\素材\\技能练习\\421", 1},
                                 {"explorer /n,C:\\PowerPointZentrix\\素材\\技能练习\\421", 1},
                                 {"explorer /n,C:\\PowerPointZentrix\\答案\\实战模拟\\实例40", 1}}));
}

TEST_F(HelpersTest, FolderFamiliesFollowTheInstallFolder) {
    EXPECT_EQ(practiceAnswerFolder("411"), "C:\\PowerPointZentrix\\答案\\技能练习\\411");
    EXPECT_EQ(caseMaterialFolder(1), "C:\\PowerPointZentrix\\素材\\实战模拟\\实例1");
}

TEST_F(HelpersTest, StartApplicationOpensTheRegisteredNameMaximizedWithNothingElse) {
    helpers::StartApplication("POWERPNT");
    ASSERT_EQ(shell().shellCalls.size(), 1u);
    EXPECT_EQ(shell().shellCalls[0],
              (platform::ShellCall{.owner = 0, .verb = "open", .file = "POWERPNT", .showCommand = 3}));
}

TEST_F(HelpersTest, KeepOnTopAsksForTheWindowAndTheNoticesUseTheSharedStyles) {
    helpers::KeepOnTop(form<Plain>());
    EXPECT_EQ(shell().topmost, std::vector<std::string>{"Plain"});
    helpers::BrowseNotice("本章节操作题完毕！");
    helpers::UntitledNotice("请先选择学习章节");
    ASSERT_EQ(shell().messageBoxes.size(), 2u);
    EXPECT_EQ(shell().messageBoxes[0].style, vbOKOnly);
    EXPECT_EQ(shell().messageBoxes[0].title, std::optional<std::string>("提示"));
    EXPECT_EQ(shell().messageBoxes[1].style, vbOKOnly);
    EXPECT_EQ(shell().messageBoxes[1].title, std::nullopt);
}

// What the open box shows, read off its widgets; clicks the button captioned `press`.
struct BoxSeen {
    QString title, text;
    Qt::TextFormat format = Qt::AutoText;
    QStringList buttons;
    bool icon = false;
    int textLeft = 0, textWidth = 0, naturalWidth = 0, boxWidth = 0;
};

void readOpenBox(BoxSeen& seen, const QString& press) {
    QTimer::singleShot(0, [&seen, press] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        auto* text = box->findChild<QLabel*>(QStringLiteral("prompt"));
        ASSERT_NE(text, nullptr);
        seen.title = box->windowTitle();
        seen.text = text->text();
        seen.format = text->textFormat();
        seen.icon = box->findChild<QLabel*>(QStringLiteral("icon")) != nullptr;
        seen.textLeft = text->mapTo(box, QPoint(0, 0)).x();
        seen.textWidth = text->width();
        seen.boxWidth = box->width();
        const QFontMetrics metrics(text->font());
        for (const QString& line : text->text().split(QLatin1Char('\n')))
            seen.naturalWidth = std::max(seen.naturalWidth, metrics.horizontalAdvance(line));
        for (QPushButton* b : box->findChildren<QPushButton*>()) seen.buttons << b->text();
        for (QPushButton* b : box->findChildren<QPushButton*>())
            if (b->text() == press) b->click();
    });
}

TEST(DesktopMessageBox, ShowsChineseButtonsPlainTextAndTheApplicationTitle) {
    platform::LinuxPlatform desktop;
    BoxSeen seen;
    readOpenBox(seen, QStringLiteral("否"));
    int answer = desktop.messageBox("<b>确认</b>\n第二行", vbYesNo + vbQuestion, std::nullopt);
    EXPECT_EQ(answer, vbNo);
    EXPECT_EQ(seen.title.toStdString(), kApplicationTitle);
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.text.toStdString(), "<b>确认</b>\n第二行");
    EXPECT_EQ(seen.buttons, (QStringList{QStringLiteral("是"), QStringLiteral("否")}));
    EXPECT_TRUE(seen.icon);

    BoxSeen ok;
    readOpenBox(ok, QStringLiteral("确定"));
    EXPECT_EQ(desktop.messageBox("本章节操作题完毕！", vbOKOnly, "提示"), vbOK);
    EXPECT_EQ(ok.title, QStringLiteral("提示"));
    EXPECT_EQ(ok.buttons, QStringList{QStringLiteral("确定")});
}

TEST(DesktopMessageBox, IsSizedToItsTextWithAnIconGapOnlyWhenAsked) {
    platform::LinuxPlatform desktop;
    const std::string prompt = "你确定要交卷吗？交卷后将不能再修改答案。";
    BoxSeen plain, withIcon;
    readOpenBox(plain, QStringLiteral("确定"));
    desktop.messageBox(prompt, vbOKOnly, "提示");
    readOpenBox(withIcon, QStringLiteral("确定"));
    desktop.messageBox(prompt, vbOKOnly + vbInformation, "提示");

    EXPECT_FALSE(plain.icon);
    EXPECT_LT(plain.textLeft, 30);  // no room kept for an icon that is not there
    EXPECT_TRUE(withIcon.icon);
    EXPECT_GT(withIcon.textLeft, plain.textLeft + 30);
    for (const BoxSeen* seen : {&plain, &withIcon}) {
        EXPECT_GE(seen->textWidth, seen->naturalWidth);  // the whole line, unwrapped
        EXPECT_GE(seen->boxWidth, seen->textLeft + seen->naturalWidth);
    }
}

}  // namespace
