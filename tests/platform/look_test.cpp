// What the toolkit's controls really draw and report: colours read back off the
// painted pixels, the fonts Qt matched, clicks that come from the mouse.
#include "platform/look.h"

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>

#include "support/trainer_test.h"

using namespace forms;

namespace {

std::vector<std::string> clicks;

class Painted : public Form {
public:
    Painted()
        : Form({.caption = "Painted", .clientWidth = 9000, .clientHeight = 6000}),
          Exit(*this, {120, 120, 1800, 600}, "退出", true),
          Plain(*this, {2040, 120, 1800, 600}, "确定"),
          Frame3(*this, {120, 1200, 6000, 2400}, "题目"),
          Label2(Frame3, {240, 600, 3000, 600}, "请选择实战案例"),
          List1(*this, {6240, 1200, 2400, 2400}) {
        Exit.setBackColor(0x000080FF);
        Plain.setBackColor(0x000080FF);
        Frame3.setBackColor(0x8000000B);
        Exit.setFont({.name = "华文中宋", .size = 12});
        for (const char* item : {"第一章", "第二章", "第三章"}) List1.AddItem(item);
        List1.onClick([this] { clicks.push_back(List1.Text()); });
    }
    CommandButton Exit;
    CommandButton Plain;
    Frame Frame3;
    Label Label2;
    ListBox List1;
};

QRgb pixel(QWidget* w, QPoint at) { return w->grab().toImage().pixel(at); }

using LookTest = TrainerTest;

TEST_F(LookTest, AGraphicalButtonPaintsItsBackColourExactlyAndAPlainOneTheButtonFace) {
    Painted& f = form<Painted>();
    f.Show();
    // Near a corner, inside the edge and away from the caption.
    EXPECT_EQ(pixel(f.Exit.widget(), {6, 6}), qRgb(0xFF, 0x80, 0x00));
    EXPECT_EQ(pixel(f.Exit.widget(), {f.Exit.widget()->width() - 8, f.Exit.widget()->height() / 2}),
              qRgb(0xFF, 0x80, 0x00));
    EXPECT_NE(pixel(f.Plain.widget(), {6, 6}), qRgb(0xFF, 0x80, 0x00));
}

TEST_F(LookTest, ALabelInTheButtonFaceShowsWhatItsFrameFillsWithAndSystemColoursAreTheirOwn) {
    Painted& f = form<Painted>();
    f.Show();
    QWidget* frame = f.Frame3.widget();
    const QImage image = frame->grab().toImage();
    const QPoint inLabel = f.Label2.widget()->geometry().topLeft() + QPoint(f.Label2.widget()->width() - 4, 2);
    const QPoint onFrame = f.Label2.widget()->geometry().bottomLeft() + QPoint(0, 6);
    EXPECT_EQ(image.pixel(inLabel), image.pixel(onFrame));
    EXPECT_EQ(image.pixel(onFrame), qRgb(244, 247, 252));  // inactive border, not the button face
    EXPECT_EQ(f.Frame3.BackColor(), 0x8000000Bu);
}

TEST_F(LookTest, TheMediumSongFaceIsDrawnAtTheRegularWeightAskedFor) {
    Painted& f = form<Painted>();
    const QFontInfo drawn(f.Exit.widget()->font());
    EXPECT_LT(drawn.weight(), QFont::DemiBold);
    EXPECT_FALSE(drawn.bold());
}

// A left button pressed and released at a point of a widget, as the mouse does.
void leftClick(QWidget* target, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

TEST_F(LookTest, AMouseClickOnTheSelectedListItemRaisesClickAgain) {
    clicks.clear();
    Painted& f = form<Painted>();
    f.Show();
    auto* list = static_cast<QListWidget*>(f.List1.widget());
    auto clickRow = [list](int row) {
        leftClick(list->viewport(), list->visualItemRect(list->item(row)).center());
    };
    clickRow(1);
    clickRow(1);
    EXPECT_EQ(clicks, (std::vector<std::string>{"第二章", "第二章"}));
    f.List1.setListIndex(2);  // code still raises it, once
    f.List1.Clear();
    f.List1.AddItem("新");
    EXPECT_EQ(clicks, (std::vector<std::string>{"第二章", "第二章", "第三章"}));
}

// An exam screen in small: a picture with a hot spot over its drawn button, an answer
// circle with its number, and a label that covers part of the picture.
class Screen : public Form {
public:
    Screen()
        : Form({.caption = "Screen", .clientWidth = 9000, .clientHeight = 6000}),
          Picture(*this, {0, 0, 9000, 6000}, "banner"),
          Circle(*this, {600, 600, 900, 900}, Shape::Kind::Circle),
          Number(*this, {900, 900, 300, 300}, "7"),
          HotSpot(*this, {3000, 600, 1500, 600}),
          Cover(*this, {3000, 3000, 3000, 600}, "") {
        HotSpot.onClick([] { clicks.push_back("hot spot"); });
        Number.onClick([] { clicks.push_back("number"); });
        Cover.setPaintsButtonFace(true);
    }
    Image Picture;
    Shape Circle;
    Label Number;
    Image HotSpot;
    Label Cover;
};

void clickAt(QWidget* area, QPoint at) {
    QWidget* target = area->childAt(at);
    if (target != nullptr) leftClick(target, target->mapFrom(area, at));
}

TEST_F(LookTest, HotSpotsTakeClicksButNoFocusCirclesTakeNoClicksAndCoversHideThePicture) {
    clicks.clear();
    Screen& f = form<Screen>();
    f.Show();
    QWidget* area = f.area();
    clickAt(area, f.HotSpot.widget()->geometry().center());
    EXPECT_EQ(f.HotSpot.widget()->focusPolicy(), Qt::NoFocus);
    clickAt(area, f.Circle.widget()->geometry().topLeft() + QPoint(8, 30));  // in the circle, left of its number
    EXPECT_NE(area->childAt(f.Circle.widget()->geometry().center() + QPoint(0, 25)), f.Circle.widget());
    clickAt(area, f.Number.widget()->geometry().center());
    EXPECT_EQ(clicks, (std::vector<std::string>{"hot spot", "number"}));

    const QImage image = area->grab().toImage();
    EXPECT_EQ(image.pixel(f.Cover.widget()->geometry().center()), look::colour(kButtonFace).rgb());
    f.Cover.ZOrder(1);
    EXPECT_NE(area->grab().toImage().pixel(f.Cover.widget()->geometry().center()), look::colour(kButtonFace).rgb())
        << "sent behind the picture";
}

}  // namespace
