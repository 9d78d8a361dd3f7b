// The shared helpers, and the real message box and menu of the desktop platform.
#include "platform/helpers.h"

#include <QApplication>
#include <QMessageBox>
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

struct BoxSeen {
    QString title, text;
    Qt::TextFormat format = Qt::AutoText;
    QStringList buttons;
};

TEST(DesktopMessageBox, ShowsChineseButtonsPlainTextAndTheApplicationTitle) {
    platform::LinuxPlatform desktop;
    BoxSeen seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.format = box->textFormat();
        for (QAbstractButton* b : box->buttons()) seen.buttons << b->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QStringLiteral("否")) b->click();
    });
    int answer = desktop.messageBox("<b>确认</b>\n第二行", vbYesNo + vbQuestion, std::nullopt);
    EXPECT_EQ(answer, vbNo);
    EXPECT_EQ(seen.title.toStdString(), kApplicationTitle);
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.text.toStdString(), "<b>确认</b>\n第二行");
    EXPECT_TRUE(seen.buttons.contains(QStringLiteral("是")));
    EXPECT_TRUE(seen.buttons.contains(QStringLiteral("否")));

    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("提示"));
        ASSERT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->buttons().front()->text(), QStringLiteral("确定"));
        box->buttons().front()->click();
    });
    EXPECT_EQ(desktop.messageBox("本章节操作题完毕！", vbOKOnly, "提示"), vbOK);
}

}  // namespace
