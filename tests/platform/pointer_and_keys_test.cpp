// What real pointer, wheel and key events reach: the control under the pointer, a wheel
// over a closed list, the arrow keys and the open list of a combo box, a password box's
// mask, and a sizable window's box that follows the window.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QWheelEvent>

#include "exam/form46.h"
#include "exercises/form51.h"
#include "shared/module1.h"
#include "support/trainer_test.h"
#include "unittest/form4.h"
#include "unittest/unit_bank.h"

using namespace forms;

namespace {

using PointerAndKeysTest = TrainerTest;

// The widget a click at the centre of the control would reach.
QWidget* underPointerAtCentre(const Control& c) {
    QWidget* w = c.widget();
    QWidget* top = w->window();
    return top->childAt(w->mapTo(top, w->rect().center()));
}

bool isOrWithin(QWidget* hit, QWidget* control) { return hit == control || (hit != nullptr && control->isAncestorOf(hit)); }

TEST_F(PointerAndKeysTest, TheHandInPasswordBoxAndButtonLieAboveTheMessageAndMaskWithStars) {
    auto& window = form<Form46>();
    window.Show();
    window.Timer2.tick();
    EXPECT_TRUE(isOrWithin(underPointerAtCentre(window.Text1), window.Text1.widget()));
    EXPECT_TRUE(isOrWithin(underPointerAtCentre(window.Command1), window.Command1.widget()));
    window.Text1.type(InvigilatorPassword);
    EXPECT_EQ(static_cast<QLineEdit*>(window.Text1.widget())->displayText(), QStringLiteral("*****"));
    EXPECT_EQ(window.Text1.Text(), InvigilatorPassword);
}

class UnitListTest : public TrainerTest {
protected:
    static QComboBox& list() { return *static_cast<QComboBox*>(form<Form4>().Combo1.widget()); }
    static void send(QEvent& e) { QApplication::sendEvent(&list(), &e); }
    static void key(Qt::Key k, QWidget* to = nullptr) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(to != nullptr ? to : &list(), &press);
    }
};

TEST_F(UnitListTest, AWheelOverTheClosedListPicksNothingAndTheListOpensOnTheUnitShown) {
    auto& test = form<Form4>();
    test.Show();
    // The window's own code sets the text to a unit other than the first; nothing here picks.
    const std::string shown = test.Combo1.Text();
    const int at = test.Combo1.ListIndex();
    ASSERT_GT(at, 0);
    ASSERT_LT(at + 1, test.Combo1.ListCount());
    ASSERT_EQ(Module1::UnitQuestionCount.number(), 40);
    test.Optbutton(0).click();
    ASSERT_NE(Module1::ChosenAnswer[1].text(), "");

    for (int delta : {-120, 120, -120}) {
        const QPointF at(list().rect().center());
        QWheelEvent wheel(at, list().mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        send(wheel);
    }
    EXPECT_EQ(test.Combo1.Text(), shown);
    EXPECT_NE(Module1::ChosenAnswer[1].text(), "") << "the answers stay";

    EXPECT_EQ(list().currentIndex(), at) << "the list's current item is the unit shown";
    list().showPopup();
    ASSERT_TRUE(list().view()->isVisible());
    EXPECT_EQ(list().view()->currentIndex().row(), at);
    key(Qt::Key_Down, list().view());
    key(Qt::Key_Return, list().view());
    EXPECT_FALSE(list().view()->isVisible());
    EXPECT_EQ(test.Combo1.Text(), test.Combo1.List(at + 1)) << "a key pick from the open list still loads a unit";
    EXPECT_EQ(Module1::ChosenAnswer[1].text(), "");

    key(Qt::Key_Up);  // the arrow keys step from the unit shown
    EXPECT_EQ(test.Combo1.Text(), shown);
}

TEST_F(PointerAndKeysTest, TheReferenceAnswerFillsItsWindowAsTheWindowGrows) {
    auto& answer = form<Form51>();
    answer.Show();
    QWidget* box = answer.Text1.widget();
    const QSize before = box->size();
    answer.window()->resize(answer.window()->width() + 200, answer.window()->height() + 150);
    QApplication::sendPostedEvents();
    EXPECT_EQ(box->width(), before.width() + 200);
    EXPECT_EQ(box->height(), before.height() + 150);
    EXPECT_EQ(answer.ScaleWidth(), answer.Text1.Place().width);
}

}  // namespace
