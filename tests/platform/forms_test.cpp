// The toolkit's window lifecycle and control raised, on small windows of the tests' own.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTextEdit>

#include "platform/helpers.h"
#include "support/trainer_test.h"

using namespace forms;

namespace {

int loadsOfA = 0;
std::vector<std::string> raised;

class WindowA : public Form {
public:
    WindowA()
        : Form({.caption = "A", .clientWidth = 6000, .clientHeight = 4500}),
          Text1(*this, {0, 0, 3000, 1500}, "design", {.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical}),
          List1(*this, {0, 1500, 3000, 1500}),
          Combo1(*this, {3000, 0, 2000, 300}, "Combo1"),
          Option0(*this, {3000, 600, 1500, 300}, "甲"),
          Option1(*this, {3000, 900, 1500, 300}, "乙"),
          Label1(*this, {3000, 1200, 2000, 300}, "Label1"),
          Command1(*this, {3000, 1500, 1000, 375}, "Command1"),
          Timer1(*this, 1000, false),
          popmenu(*this, "快捷菜单", false),
          neirong(popmenu, "禁止右键") {
        List1.onClick([] { raised.push_back("List1_Click"); });
        Combo1.onClick([] { raised.push_back("Combo1_Click"); });
        Combo1.onChange([] { raised.push_back("Combo1_Change"); });
        Option0.onClick([] { raised.push_back("Option0_Click"); });
        Option1.onClick([] { raised.push_back("Option1_Click"); });
        Timer1.onTimer([] { raised.push_back("Timer1_Timer"); });
        Text1.onMouseDown([this](int button, int, int, int) { helpers::RightClickGuard(popmenu, Text1, button); });
    }
    void Form_Load() override { ++loadsOfA; }

    TextBox Text1;
    ListBox List1;
    ComboBox Combo1;
    OptionButton Option0;
    OptionButton Option1;
    Label Label1;
    CommandButton Command1;
    Timer Timer1;
    Menu popmenu;
    Menu neirong;
};

// Its load hides and unloads A, as a window that takes over from another does.
class WindowB : public Form {
public:
    WindowB() : Form({.caption = "B"}), Command1(*this, {0, 0, 1000, 375}, "next") {
        // Unloads its own window and goes on to show another.
        Command1.onClick([this] {
            Hide();
            Unload();
            Caption();  // still a valid object until the handler returns
            form<WindowA>().Show();
        });
    }
    void Form_Load() override {
        form<WindowA>().Hide();
        unload<WindowA>();
    }
    CommandButton Command1;
};

class WindowC : public Form {
public:
    WindowC() : Form({.caption = "C"}), Command1(*this, {0, 0, 1000, 375}, "end") {
        Command1.onClick([] {
            raised.push_back("before end");
            EndProgram();
            raised.push_back("after end");  // never reached
        });
    }
    CommandButton Command1;
};

class WindowsTest : public TrainerTest {
protected:
    void SetUp() override {
        TrainerTest::SetUp();
        loadsOfA = 0;
        raised.clear();
    }
};

TEST_F(WindowsTest, TouchingAWindowLoadsItHiddenOnceAndUnloadingResetsIt) {
    EXPECT_FALSE(isLoaded<WindowA>());
    form<WindowA>().Text1.setText("changed");
    EXPECT_TRUE(isLoaded<WindowA>());
    EXPECT_FALSE(isShown<WindowA>());
    EXPECT_EQ(loadsOfA, 1);

    form<WindowA>().Show();
    form<WindowA>().Show();
    EXPECT_TRUE(isShown<WindowA>());
    EXPECT_EQ(loadsOfA, 1) << "showing a loaded window runs no load";
    EXPECT_EQ(form<WindowA>().Text1.Text(), "changed");

    unload<WindowA>();
    EXPECT_FALSE(isLoaded<WindowA>());
    unload<WindowA>();  // not loaded: nothing happens
    form<WindowA>().Hide();
    EXPECT_EQ(loadsOfA, 2);
    EXPECT_EQ(form<WindowA>().Text1.Text(), "design") << "a fresh load has the design values";
    EXPECT_FALSE(isShown<WindowA>());
}

TEST_F(WindowsTest, ShowingAWindowWhoseLoadUnloadsTheOnlyOtherWindowKeepsTheProgram) {
    form<WindowA>().Show();
    form<WindowA>().Command1.onClick([] { form<WindowB>().Show(); });
    form<WindowA>().Command1.click();
    EXPECT_FALSE(isLoaded<WindowA>());
    EXPECT_TRUE(isShown<WindowB>());
    EXPECT_FALSE(programEnded());
    EXPECT_EQ(shell().endCalls, 0);
}

TEST_F(WindowsTest, AHandlerMayUnloadItsOwnWindowAndThenShowAnother) {
    form<WindowB>().Show();
    form<WindowB>().Command1.click();
    settle();
    EXPECT_FALSE(isLoaded<WindowB>());
    EXPECT_TRUE(isShown<WindowA>());
    EXPECT_FALSE(programEnded());
}

TEST_F(WindowsTest, UnloadingTheLastWindowEndsTheProgramOnceTheHandlerReturns) {
    form<WindowA>().Show();
    form<WindowA>().Command1.onClick([] { unload<WindowA>(); });
    form<WindowA>().Command1.click();
    EXPECT_TRUE(programEnded());
    EXPECT_EQ(shell().endCalls, 1);
}

TEST_F(WindowsTest, EndProgramUnloadsHiddenWindowsAndStopsTheHandler) {
    form<WindowA>().Hide();
    form<WindowC>().Show();
    form<WindowC>().Command1.click();
    EXPECT_TRUE(programEnded());
    EXPECT_EQ(shell().endCalls, 1);
    EXPECT_TRUE(loadedCaptions().empty());
    EXPECT_EQ(raised, std::vector<std::string>{"before end"});
}

TEST_F(WindowsTest, NoEventRunsAfterTheProgramEnded) {
    form<WindowC>().Show();
    form<WindowC>().Command1.click();
    raised.clear();
    auto& a = form<WindowA>();
    EXPECT_EQ(loadsOfA, 0) << "not even a load handler";
    a.Timer1.setEnabled(true);
    a.Timer1.tick();
    a.Option0.setValue(true);
    EXPECT_TRUE(raised.empty());
}

TEST_F(WindowsTest, TheCloseBoxUnloadsThatWindowAloneWhileAnotherIsShown) {
    form<WindowA>().Show();
    form<WindowC>().Show();
    closeByBox(form<WindowC>());
    EXPECT_FALSE(isLoaded<WindowC>());
    EXPECT_TRUE(isShown<WindowA>());
    EXPECT_FALSE(programEnded());
}

TEST_F(WindowsTest, ClosingTheLastShownWindowEndsTheProgramEvenWithHiddenOnesLoaded) {
    form<WindowA>().Hide();
    form<WindowC>().Show();
    closeByBox(form<WindowC>());
    EXPECT_TRUE(programEnded());
    EXPECT_TRUE(loadedCaptions().empty());
}

TEST_F(WindowsTest, AnExitButtonThatHidesTheLastShownWindowEndsTheProgramToo) {
    form<WindowA>().Hide();
    form<WindowC>().Show();
    // As a steps window's close button does after its other button touched a window.
    form<WindowC>().Command1.onClick([] {
        form<WindowC>().Hide();
        form<WindowC>().Unload();
    });
    form<WindowC>().Command1.click();
    EXPECT_TRUE(programEnded());
    EXPECT_EQ(shell().endCalls, 1);
    EXPECT_TRUE(loadedCaptions().empty());
}

TEST_F(WindowsTest, EventsOfAWindowUnloadedByTheRunningHandlerDoNotRun) {
    form<WindowC>().Show();
    invoke([] {
        auto& a = form<WindowA>();
        a.Timer1.setEnabled(true);
        a.Unload();
        a.Timer1.tick();  // the object lives until the handler returns, its events do not run
        a.Option0.setValue(true);
    });
    EXPECT_TRUE(raised.empty());
    EXPECT_FALSE(isLoaded<WindowA>());
}

TEST_F(WindowsTest, MessageBoxesPassPromptStyleAndTitleAndGiveTheScriptedAnswer) {
    shell().answers.push_back(vbNo);
    EXPECT_EQ(MsgBox("要退出吗？", vbYesNo + vbQuestion, "提示"), vbNo);
    EXPECT_EQ(MsgBox("请先选择学习章节"), vbOK);
    ASSERT_EQ(shell().messageBoxes.size(), 2u);
    EXPECT_EQ(shell().messageBoxes[0].style, vbYesNo + vbQuestion);
    EXPECT_EQ(shell().messageBoxes[0].title, std::optional<std::string>("提示"));
    EXPECT_EQ(shell().messageBoxes[1].title, std::nullopt);
}

class ControlsTest : public WindowsTest {};

TEST_F(ControlsTest, TextBoxesGiveBackExactlyTheTextWritten) {
    auto& box = form<WindowA>().Text1;
    const std::string text = "第1行\r\n  第2行 \r\n\r\n<b>第4行</b>";
    box.setText(text);
    EXPECT_EQ(box.Text(), text);
    auto* edit = qobject_cast<QTextEdit*>(box.widget());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->document()->blockCount(), 4);
    EXPECT_EQ(edit->toPlainText().toStdString(), "第1行\n  第2行 \n\n<b>第4行</b>");

    box.type("甲\n乙");  // the learner's own line breaks come back as CR LF
    EXPECT_EQ(box.Text(), "甲\r\n乙");
}

TEST_F(ControlsTest, LabelsAndMessageBoxesShowMarkupAsPlainText) {
    auto& label = form<WindowA>().Label1;
    label.setCaption("<b>粗体</b>&amp;");
    auto* l = qobject_cast<QLabel*>(label.widget());
    EXPECT_EQ(l->textFormat(), Qt::PlainText);
    EXPECT_EQ(l->text().toStdString(), "<b>粗体</b>&amp;");
}

TEST_F(ControlsTest, ListIndexFromCodeRaisesClickButClearAndAddItemDoNot) {
    auto& list = form<WindowA>().List1;
    list.Clear();
    list.AddItem("第一章");
    list.AddItem("第二章");
    EXPECT_TRUE(raised.empty());
    EXPECT_EQ(list.ListIndex(), -1);
    list.setListIndex(1);
    EXPECT_EQ(raised, std::vector<std::string>{"List1_Click"});
    EXPECT_EQ(list.Text(), "第二章");
    list.pick(0);
    EXPECT_EQ(raised.size(), 2u);
    EXPECT_EQ(list.ListIndex(), 0);

    // A ctrl-click on the selected item does not leave the list without a selection.
    auto* w = qobject_cast<QListWidget*>(list.widget());
    w->clearSelection();
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_TRUE(w->item(0)->isSelected());

    list.Clear();
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(raised.size(), 2u);
}

TEST_F(ControlsTest, OptionButtonsRaiseClickWhenSetTrueAndClearSilently) {
    auto& a = form<WindowA>();
    a.Option0.setValue(true);
    EXPECT_EQ(raised, std::vector<std::string>{"Option0_Click"});
    a.Option1.click();
    EXPECT_EQ(raised.back(), "Option1_Click");
    EXPECT_FALSE(a.Option0.Value());
    EXPECT_TRUE(a.Option1.Value());
    raised.clear();
    a.Option1.setValue(false);
    EXPECT_TRUE(raised.empty());
    EXPECT_FALSE(a.Option0.Value());
    EXPECT_FALSE(a.Option1.Value());
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(a.Option1.widget())->isChecked());
}

TEST_F(ControlsTest, TheEditableComboKeepsItsListAndNeverCompletes) {
    auto& combo = form<WindowA>().Combo1;
    for (const char* item : {"实例1", "实例2", "实例10"}) combo.AddItem(item);
    EXPECT_EQ(combo.Text(), "Combo1");
    combo.type("实例");
    EXPECT_EQ(combo.Text(), "实例") << "no completion to an item";
    combo.pressEnter();
    combo.type("实例99");
    combo.pressEnter();
    EXPECT_EQ(combo.ListCount(), 3);
    auto* w = qobject_cast<QComboBox*>(combo.widget());
    EXPECT_EQ(w->count(), 3);
    EXPECT_EQ(w->completer(), nullptr);
    EXPECT_EQ(combo.Text(), "实例99");
    EXPECT_EQ(std::count(raised.begin(), raised.end(), "Combo1_Click"), 0) << "Enter picks nothing";
    EXPECT_EQ(std::count(raised.begin(), raised.end(), "Combo1_Change"), 2);

    combo.pick(2);
    EXPECT_EQ(combo.Text(), "实例10");
    EXPECT_EQ(combo.ListIndex(), 2);
    EXPECT_EQ(raised.back(), "Combo1_Click");

    // Text set by code moves the list's current item with it, so that the list opens there.
    combo.setText("实例2");
    EXPECT_EQ(w->currentIndex(), 1);
    combo.setText("实例99");
    EXPECT_EQ(w->currentIndex(), -1);
    EXPECT_EQ(w->currentText(), QStringLiteral("实例99"));
}

TEST_F(ControlsTest, ColoursReadBackExactlyAsWritten) {
    auto& label = form<WindowA>().Label1;
    label.setBackColor(0x8000000F);
    EXPECT_EQ(label.BackColor(), 0x8000000Fu);
    label.setBackColor(0x00FF8080);
    EXPECT_EQ(label.BackColor(), 0x00FF8080u);
    EXPECT_EQ(label.widget()->palette().color(QPalette::Window), QColor(0x80, 0x80, 0xFF)) << "&HBBGGRR order";
}

TEST_F(ControlsTest, TimersTickOnlyWhileEnabledWithAnInterval) {
    auto& t = form<WindowA>().Timer1;
    t.tick();
    EXPECT_TRUE(raised.empty());
    t.setEnabled(true);
    t.tick();
    t.setInterval(0);
    t.tick();
    EXPECT_EQ(raised, std::vector<std::string>{"Timer1_Timer"});
}

TEST_F(ControlsTest, ARightPressOnAGuardedBoxPopsUpTheWindowMenuAndNeverTheBoxMenu) {
    auto& a = form<WindowA>();
    a.Show();
    auto* edit = qobject_cast<QTextEdit*>(a.Text1.widget());
    QWidget* viewport = edit->viewport();

    QPoint at(20, 20);
    QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &menu);
    // The box's own menu would now be up as a popup.
    QWidget* ownMenu = QApplication::activePopupWidget();
    if (ownMenu != nullptr) ownMenu->close();
    EXPECT_EQ(ownMenu, nullptr);

    ASSERT_EQ(shell().popups.size(), 1u);
    EXPECT_EQ(shell().popups[0].menu, "快捷菜单");
    EXPECT_EQ(shell().popups[0].items, std::vector<std::string>{"禁止右键"});
    EXPECT_TRUE(a.Text1.Enabled());

    // A left press selects as usual and pops up nothing.
    QMouseEvent left(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(viewport, &left);
    EXPECT_EQ(shell().popups.size(), 1u);
}

}  // namespace
