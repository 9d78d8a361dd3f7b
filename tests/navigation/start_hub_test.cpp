// The start window and the hub, driven as a learner clicks them.
#include <QWidget>

#include "navigation/form60.h"
#include "navigation/form8.h"
#include "shared/contact.h"
#include "support/trainer_test.h"

using namespace forms;

namespace {

class StartAndHubTest : public TrainerTest {
protected:
    // As the program starts: the start window alone, shown.
    void start() { form<Form8>().Show(); }
};

TEST_F(StartAndHubTest, TheProgramStartsWithTheStartWindowAlone) {
    start();
    EXPECT_EQ(loadedCaptions(), std::vector<std::string>{"计算机Movaro系列"});
    auto& f = form<Form8>();
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(f.design().border, BorderStyle::Sizable);
    EXPECT_EQ(f.window()->geometry(), QRect(204, 156, 457, 482)) << "client area at its designed place";
    EXPECT_EQ(f.Label2.Caption(), std::string("公司网址：") + kCompanyWebAddress);
    EXPECT_EQ(f.Label3.Caption(), std::string("联系邮箱：") + kContactEmail);
    EXPECT_EQ(f.Label2.BackColor(), 0x0080C0FFu);
    EXPECT_EQ(f.Label2.ForeColor(), 0x00C00000u);
    EXPECT_TRUE(f.Label2.font().underline);
}

TEST_F(StartAndHubTest, TheStartPictureLeavesTheHubAsTheOnlyLoadedWindow) {
    start();
    form<Form8>().Image1.click();
    settle();
    EXPECT_FALSE(isLoaded<Form8>()) << "unloaded, not merely hidden";
    EXPECT_TRUE(isShown<Form60>());
    EXPECT_EQ(loadedCaptions().size(), 1u);
    EXPECT_FALSE(programEnded());
}

TEST_F(StartAndHubTest, TheHubLooksAsDesigned) {
    auto& hub = form<Form60>();
    EXPECT_EQ(hub.Caption(), "计算机Movaro系列");
    EXPECT_EQ(hub.Command2.Caption(), "技能练习");
    EXPECT_EQ(hub.Command4.Caption(), "实战模拟");
    EXPECT_EQ(hub.Command7.Caption(), "退出");
    EXPECT_EQ(hub.Command2.BackColor(), 0x00C0FFFFu);
    EXPECT_EQ(hub.Command7.BackColor(), 0x000080FFu);
    EXPECT_EQ(hub.Command2.font().name, "华文中宋");
    EXPECT_EQ(hub.Label2.ForeColor(), 0x00800000u);
    EXPECT_EQ(hub.Label2.Caption(), std::string("Corvanta网址：") + kCompanyWebAddress);
}

TEST_F(StartAndHubTest, ExitEndsTheProgramWhileHiddenWindowsAreLoaded) {
    start();
    form<Form8>().Image1.click();
    form<Form8>().Hide();  // a hidden window stays loaded behind the hub
    ASSERT_EQ(loadedCaptions().size(), 2u);
    form<Form60>().Command7.click();
    EXPECT_TRUE(programEnded());
    EXPECT_EQ(shell().endCalls, 1);
    EXPECT_TRUE(loadedCaptions().empty());
}

TEST_F(StartAndHubTest, TheWebLinksHandTheAddressToTheShellMaximizedWithoutOwner) {
    start();
    form<Form8>().Label2.click();
    form<Form8>().Image1.click();
    form<Form60>().Label2.click();
    platform::ShellCall expected{.owner = 0, .verb = "open", .file = kCompanyWebAddress, .showCommand = 3};
    ASSERT_EQ(shell().shellCalls.size(), 2u);
    EXPECT_EQ(shell().shellCalls[0], expected);
    EXPECT_EQ(shell().shellCalls[1], expected);
    EXPECT_FALSE(shell().shellCalls[0].parameters);
    EXPECT_FALSE(shell().shellCalls[0].directory);
}

TEST_F(StartAndHubTest, TheMailLinksPassTheirOwnWindowAsOwnerAndShowCommandZero) {
    start();
    long startHandle = form<Form8>().hWnd();
    form<Form8>().Label3.click();
    form<Form8>().Image1.click();
    long hubHandle = form<Form60>().hWnd();
    form<Form60>().Label5.click();
    ASSERT_EQ(shell().shellCalls.size(), 2u);
    EXPECT_NE(startHandle, 0);
    EXPECT_NE(startHandle, hubHandle);
    platform::ShellCall mail{
        .owner = startHandle, .verb = "open", .file = std::string("mailto:") + kContactEmail, .showCommand = 0};
    EXPECT_EQ(shell().shellCalls[0], mail);
    mail.owner = hubHandle;
    EXPECT_EQ(shell().shellCalls[1], mail);
}

TEST_F(StartAndHubTest, ClosingTheHubByItsBoxEndsTheProgram) {
    start();
    form<Form8>().Image1.click();
    closeByBox(form<Form60>());
    EXPECT_TRUE(programEnded());
}

TEST_F(StartAndHubTest, TheContactLabelsFitTheirPlaces) {
    // A caption that wraps would lose its second line under the label's one-line height.
    for (Label* l : {&form<Form8>().Label2, &form<Form8>().Label3, &form<Form60>().Label2, &form<Form60>().Label5}) {
        QFontMetrics metrics(l->widget()->font());
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(l->Caption())), l->widget()->width())
            << l->Caption();
    }
}

}  // namespace
