// Popup menus and message boxes of the desktop platform run loops of their own. A window
// closed by the window manager, or a timer that unloads a window or ends the program,
// while such a loop runs must end it cleanly: no exception through Qt, no control
// touched after its window went, and nothing more run for a window that is gone.
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QTextEdit>
#include <QTimer>

#include "platform/helpers.h"
#include "platform/linux_platform.h"
#include "support/trainer_test.h"

using namespace forms;

namespace {

// A window with a popup menu behind a button and behind its text box's right button,
// a message box behind another button, and a timer whose handler does what a test asks.
class Nested : public Form {
public:
    Nested()
        : Form({.caption = "Nested"}),
          Menus(*this, {120, 120, 1200, 375}, "菜单"),
          Ask(*this, {1440, 120, 1200, 375}, "提问"),
          Text1(*this, {120, 600, 3000, 1500}, "正文", {.multiLine = true, .locked = true}),
          Timer1(*this, 10, false),
          popmenu(*this, "快捷菜单", false),
          neirong(popmenu, "禁止右键") {
        Menus.onClick([this] {
            PopupMenu(*this, popmenu);
            ranAfterLoop = true;
        });
        Ask.onClick([this] {
            answer = MsgBox("继续吗？", vbOKCancel);
            ranAfterLoop = true;
        });
        Text1.onMouseDown([this](int button, int, int, int) {
            helpers::RightClickGuard(popmenu, Text1, button);
            ranAfterLoop = true;
        });
        neirong.onClick([this] { itemRan = true; });
        Timer1.onTimer([this] {
            Timer1.setEnabled(false);
            if (onTick) onTick();
        });
    }
    CommandButton Menus;
    CommandButton Ask;
    TextBox Text1;
    Timer Timer1;
    Menu popmenu;
    Menu neirong;
    std::function<void()> onTick;
    bool ranAfterLoop = false;
    bool itemRan = false;
    int answer = 0;
};

class Other : public Form {
public:
    Other() : Form({.caption = "Other"}) {}
};

class NestedLoopTest : public TrainerTest {
protected:
    void SetUp() override {
        TrainerTest::SetUp();
        platform::install(&desktop_);
    }
    void TearDown() override {
        platform::install(&testing_support::recorder());
        TrainerTest::TearDown();
    }
    // Runs `inside` once the next popup menu or message box has opened its loop.
    static void whenLoopRuns(std::function<void()> inside) {
        QTimer::singleShot(0, [inside = std::move(inside)] {
            EXPECT_TRUE(QApplication::activePopupWidget() != nullptr || QApplication::activeModalWidget() != nullptr)
                << "no loop of ours is running";
            inside();
        });
    }
    // A loop that the toolkit fails to close would hold the test until CTest's timeout:
    // after a bounded wait the watchdog fails the test with `fault` and closes the loop.
    void failIfLoopOutlives(std::string fault) {
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, &watchdog_, [fault = std::move(fault)] {
            QWidget* open = QApplication::activePopupWidget();
            if (open == nullptr) open = QApplication::activeModalWidget();
            if (open == nullptr) return;
            ADD_FAILURE() << fault << " (still open after " << kDeadlineMs << " ms)";
            if (auto* box = qobject_cast<QDialog*>(open))
                box->reject();
            else
                open->close();
        });
        watchdog_.start(kDeadlineMs);
    }
    static bool anyLoopOpen() {
        return QApplication::activePopupWidget() != nullptr || QApplication::activeModalWidget() != nullptr;
    }
    static void rightPress(TextBox& box) {
        QWidget* viewport = static_cast<QTextEdit*>(box.widget())->viewport();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), viewport->mapToGlobal(QPointF(10, 10)),
                          Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &press);
    }

    static constexpr int kDeadlineMs = 3000;
    platform::LinuxPlatform desktop_;
    QTimer watchdog_;  // goes with the test, so that it never fires into the next one
};

TEST_F(NestedLoopTest, ClosingTheLastWindowUnderItsPopupMenuEndsTheProgram) {
    form<Nested>().Show();
    whenLoopRuns([] { form<Nested>().window()->close(); });
    failIfLoopOutlives("closing the last window left its popup menu open");
    form<Nested>().Menus.click();
    EXPECT_TRUE(Registry::ended());
    EXPECT_FALSE(anyLoopOpen());
    settle();
}

TEST_F(NestedLoopTest, AWindowClosedUnderItsPopupMenuRunsNothingMoreAndTheOthersGoOn) {
    form<Other>().Show();
    Nested& nested = form<Nested>();
    nested.Show();
    whenLoopRuns([] { form<Nested>().window()->close(); });
    failIfLoopOutlives("closing the window left its popup menu open");
    nested.Menus.click();
    EXPECT_FALSE(Registry::ended());
    EXPECT_FALSE(isLoaded<Nested>());
    EXPECT_FALSE(nested.ranAfterLoop) << "the handler went on for a window that is gone";
    EXPECT_FALSE(anyLoopOpen());
    settle();  // the window is destroyed only now
    EXPECT_TRUE(isShown<Other>());
}

TEST_F(NestedLoopTest, AnItemChosenFromThePopupMenuRunsAndTheHandlerGoesOn) {
    Nested& nested = form<Nested>();
    nested.Show();
    whenLoopRuns([] {
        auto* menu = static_cast<QMenu*>(QApplication::activePopupWidget());
        menu->setActiveAction(menu->actions().front());
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(menu, &enter);
    });
    nested.Menus.click();
    EXPECT_TRUE(nested.itemRan);
    EXPECT_TRUE(nested.ranAfterLoop);
}

TEST_F(NestedLoopTest, ClosingTheWindowUnderATextBoxsGuardMenuLeavesNoControlTouchedAfterwards) {
    Nested& nested = form<Nested>();
    nested.Show();
    whenLoopRuns([] { form<Nested>().window()->close(); });
    failIfLoopOutlives("closing the window left the text box's guard menu open");
    rightPress(nested.Text1);  // the sanitizers catch a text box that touches itself once destroyed
    EXPECT_TRUE(Registry::ended());
    settle();
    QCoreApplication::sendPostedEvents();
}

TEST_F(NestedLoopTest, ATimerThatEndsTheProgramUnderAMessageBoxClosesTheBox) {
    Nested& nested = form<Nested>();
    nested.Show();
    nested.onTick = [] { EndProgram(); };
    nested.Timer1.setEnabled(true);  // fires from within the box's loop
    failIfLoopOutlives("ending the program left its message box open");
    nested.Ask.click();
    EXPECT_TRUE(Registry::ended());
    EXPECT_FALSE(nested.ranAfterLoop);
    EXPECT_FALSE(anyLoopOpen());
    settle();
}

TEST_F(NestedLoopTest, ATimerThatUnloadsTheWindowUnderItsMessageBoxStopsItsHandler) {
    form<Other>().Show();
    Nested& nested = form<Nested>();
    nested.Show();
    nested.onTick = [] {
        unload<Nested>();
        // The learner answers the box afterwards.
        QTimer::singleShot(0, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
    };
    nested.Timer1.setEnabled(true);
    nested.Ask.click();
    EXPECT_FALSE(Registry::ended());
    EXPECT_FALSE(nested.ranAfterLoop);
    EXPECT_FALSE(anyLoopOpen());
    settle();
    EXPECT_TRUE(isShown<Other>());
}

}  // namespace
