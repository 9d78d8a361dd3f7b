#include "platform/input_controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTextEdit>
#include <QRadioButton>
#include <QTextDocument>
#include <QTimer>

#include "platform/look.h"
#include "platform/qt_bridge.h"

namespace forms {

using qt::fromWidgetText;
using qt::q;
using qt::toWidgetText;
using qt::u;

// Text box ----------------------------------------------------------------

namespace {
// A password box shows the character its design gives for each one typed, not the
// style's own mask.
class PasswordCharacter : public QProxyStyle {
public:
    explicit PasswordCharacter(QChar shown)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), shown_(shown) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return shown_.unicode();
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

private:
    QChar shown_;
};
}  // namespace

// Watches a text box's widget for mouse presses and for its own context menu.
class TextBoxEvents : public QObject {
public:
    explicit TextBoxEvents(TextBox& box) : box_(box) {}
    QObject* pressTarget = nullptr;  // the widget that mouse presses reach first

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress && watched == pressTarget) {
            auto* m = static_cast<QMouseEvent*>(e);
            int button = m->button() == Qt::RightButton    ? vbRightButton
                         : m->button() == Qt::MiddleButton ? vbMiddleButton
                                                           : vbLeftButton;
            int shift = (m->modifiers() & Qt::ShiftModifier ? 1 : 0) | (m->modifiers() & Qt::ControlModifier ? 2 : 0) |
                        (m->modifiers() & Qt::AltModifier ? 4 : 0);
            QPoint p = m->position().toPoint();
            if (auto* w = qobject_cast<QWidget*>(watched)) p = w->mapTo(box_.widget(), p);
            box_.mouseDown(button, shift, p.x() * kTwipsPerPixel, p.y() * kTwipsPerPixel);
            return false;
        }
        if (e->type() == QEvent::ContextMenu && box_.dropContextMenu_) {
            // The box was disabled during the right-button press: its own menu does not open.
            box_.dropContextMenu_ = false;
            return true;
        }
        return false;
    }

private:
    TextBox& box_;
};

TextBox::TextBox(Container& parent, Rect place, std::string text, Style style)
    : VisualControl(parent, place, kWindowBackground, kWindowText), text_(std::move(text)), style_(std::move(style)) {
    QWidget* w;
    auto* filter = new TextBoxEvents(*this);
    filter->setParent(events());
    if (style_.multiLine) {
        auto* e = new QTextEdit(parentArea());
        e->setAcceptRichText(false);  // pasted or dropped text comes in plain, as typed text does
        e->setReadOnly(style_.locked);
        e->setLineWrapMode(style_.scrollBars == ScrollBars::Horizontal || style_.scrollBars == ScrollBars::Both
                               ? QTextEdit::NoWrap
                               : QTextEdit::WidgetWidth);
        bool vertical = style_.scrollBars == ScrollBars::Vertical || style_.scrollBars == ScrollBars::Both;
        e->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        e->setHorizontalScrollBarPolicy(e->lineWrapMode() == QTextEdit::NoWrap ? Qt::ScrollBarAlwaysOn
                                                                                    : Qt::ScrollBarAlwaysOff);
        if (!style_.border) e->setFrameShape(QFrame::NoFrame);
        e->viewport()->installEventFilter(filter);
        e->installEventFilter(filter);
        filter->pressTarget = e->viewport();
        QObject::connect(e, &QTextEdit::textChanged, events(), [this, e] {
            if (!pushing_) takeTypedText(fromWidgetText(e->toPlainText()));
        });
        w = e;
    } else {
        auto* e = new QLineEdit(parentArea());
        e->setReadOnly(style_.locked);
        e->setFrame(style_.border);
        if (!style_.passwordChar.empty()) {
            auto* shown = new PasswordCharacter(q(style_.passwordChar).front());
            shown->setParent(e);
            e->setStyle(shown);
            e->setEchoMode(QLineEdit::Password);
        }
        e->installEventFilter(filter);
        filter->pressTarget = e;
        QObject::connect(e, &QLineEdit::textEdited, events(), [this](const QString& t) { takeTypedText(u(t)); });
        w = e;
    }
    attach(w);
    pushText();
    applyLook();
}

void TextBox::pushText() {
    pushing_ = true;
    if (auto* e = qobject_cast<QTextEdit*>(widget())) {
        e->setPlainText(toWidgetText(text_));
    } else if (auto* l = qobject_cast<QLineEdit*>(widget())) {
        QString t = q(text_);
        t.replace(QChar('\r'), QChar(' ')).replace(QChar('\n'), QChar(' '));
        l->setText(t);
        l->setCursorPosition(0);
    }
    pushing_ = false;
}

void TextBox::takeTypedText(const std::string& typed) {
    if (typed == text_) return;
    text_ = typed;
    raise(change_);
}

void TextBox::setText(std::string text) {
    bool changed = text != text_;
    text_ = std::move(text);
    pushText();
    if (changed) raiseFromCode(change_);
}

void TextBox::setLocked(bool locked) {
    style_.locked = locked;
    if (auto* e = qobject_cast<QTextEdit*>(widget())) e->setReadOnly(locked);
    if (auto* l = qobject_cast<QLineEdit*>(widget())) l->setReadOnly(locked);
}

void TextBox::setAlignment(Label::Align a) {
    Qt::Alignment h = a == Label::Align::Center  ? Qt::AlignHCenter
                      : a == Label::Align::Right ? Qt::AlignRight
                                                 : Qt::AlignLeft;
    if (auto* e = qobject_cast<QTextEdit*>(widget())) {
        QTextOption o = e->document()->defaultTextOption();
        o.setAlignment(h);
        e->document()->setDefaultTextOption(o);
    }
    if (auto* l = qobject_cast<QLineEdit*>(widget())) l->setAlignment(h | Qt::AlignVCenter);
}

void TextBox::SetFocus() { widget()->setFocus(); }

void TextBox::setEnabled(bool enabled) {
    // Disabling a box while its mouse press is handled swallows the menu that press would open.
    if (!enabled && inMouseDown_) dropContextMenu_ = true;
    Control::setEnabled(enabled);
}

void TextBox::mouseDown(int button, int shift, int x, int y) {
    if (!mouseDown_) return;
    inMouseDown_ = true;
    raise([&] { mouseDown_(button, shift, x, y); });
    inMouseDown_ = false;
}

void TextBox::type(const std::string& text) {
    if (!Enabled() || style_.locked) return;
    pushing_ = true;
    std::string typed = text;
    if (auto* e = qobject_cast<QTextEdit*>(widget())) {
        e->setPlainText(q(text));
        typed = fromWidgetText(e->toPlainText());
    }
    if (auto* l = qobject_cast<QLineEdit*>(widget())) l->setText(q(text));
    pushing_ = false;
    takeTypedText(typed);
}

// List box ----------------------------------------------------------------

namespace {
// Tells the list while a mouse button is down on it, until the release has been handled.
class ListPresses : public QObject {
public:
    explicit ListPresses(bool& down) : down_(down) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) down_ = true;
        if (e->type() == QEvent::MouseButtonRelease)
            QTimer::singleShot(0, this, [this] { down_ = false; });
        return false;
    }

private:
    bool& down_;
};
}  // namespace

ListBox::ListBox(Container& parent, Rect place) : VisualControl(parent, place, kWindowBackground, kWindowText) {
    auto* l = new QListWidget(parentArea());
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    attach(l);
    QObject::connect(l, &QListWidget::currentRowChanged, events(), [this](int row) {
        if (pushing_) return;
        if (row < 0) return;
        // A mouse press only moves the selection; its click comes with the release, on
        // the selected item as on any other. The keys raise Click as they move.
        select(row, !mouseDown_);
    });
    auto* presses = new ListPresses(mouseDown_);
    presses->setParent(events());
    l->viewport()->installEventFilter(presses);
    QObject::connect(l, &QListWidget::itemClicked, events(), [this, l](QListWidgetItem* item) {
        if (pushing_) return;
        const int row = l->row(item);
        if (row < 0) return;
        select(row, false);
        raise(click_);
    });
    QObject::connect(l, &QListWidget::itemSelectionChanged, events(), [this, l] {
        // A ctrl-click must not leave the list without a selection once it has one.
        if (pushing_ || index_ < 0 || !l->selectedItems().isEmpty()) return;
        pushing_ = true;
        l->item(index_)->setSelected(true);
        pushing_ = false;
    });
    applyLook();
}

void ListBox::AddItem(const std::string& item) {
    items_.push_back(item);
    pushing_ = true;
    static_cast<QListWidget*>(widget())->addItem(q(item));
    pushing_ = false;
}

void ListBox::Clear() {
    items_.clear();
    index_ = -1;
    pushing_ = true;
    static_cast<QListWidget*>(widget())->clear();
    pushing_ = false;
}

std::string ListBox::List(int index) const {
    if (index < 0 || index >= ListCount()) return {};
    return items_[static_cast<std::size_t>(index)];
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= ListCount()) return;
    select(index, true);
    Registry::stopIfEnded();
}

void ListBox::pick(int index) {
    if (!Visible() || !Enabled() || index < 0 || index >= ListCount()) return;
    auto* l = static_cast<QListWidget*>(widget());
    emit l->itemClicked(l->item(index));
}

void ListBox::select(int index, bool raiseClick) {
    bool changed = index != index_;
    index_ = index;
    pushing_ = true;
    auto* l = static_cast<QListWidget*>(widget());
    if (index < 0) {
        l->clearSelection();
        l->setCurrentRow(-1);
    } else {
        l->setCurrentRow(index);
        l->item(index)->setSelected(true);
    }
    pushing_ = false;
    if (raiseClick && changed) raise(click_);
}

// Combo box ---------------------------------------------------------------

class ComboEvents : public QObject {
public:
    explicit ComboEvents(ComboBox& box) : box_(box) {}
    bool eventFilter(QObject*, QEvent* e) override {
        // A wheel turned over the closed box would pick another item, unasked; the open
        // list still scrolls, and picks only by a click or a key.
        if (e->type() == QEvent::Wheel) {
            auto* c = static_cast<QComboBox*>(box_.widget());
            if (!c->view()->isVisible()) return true;
        }
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::ShortcutOverride) {
            int key = static_cast<QKeyEvent*>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                e->accept();
                return true;  // Enter neither adds, nor matches, nor presses anything
            }
        }
        return false;
    }

private:
    ComboBox& box_;
};

ComboBox::ComboBox(Container& parent, Rect place, std::string text)
    : VisualControl(parent, place, kWindowBackground, kWindowText), text_(std::move(text)) {
    auto* c = new QComboBox(parentArea());
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);
    c->setDuplicatesEnabled(true);
    // Leaving the text field would otherwise select the item that equals the text and
    // report it as activated: a Click that no pick from the list made.
    QObject::disconnect(c->lineEdit(), &QLineEdit::editingFinished, c, nullptr);
    auto* filter = new ComboEvents(*this);
    filter->setParent(events());
    c->lineEdit()->installEventFilter(filter);
    c->installEventFilter(filter);
    attach(c);
    QObject::connect(c->lineEdit(), &QLineEdit::textEdited, events(), [this](const QString& t) {
        if (pushing_) return;
        text_ = u(t);
        raise(change_);
    });
    QObject::connect(c, &QComboBox::activated, events(), [this](int index) {
        if (pushing_) return;
        text_ = List(index);
        pushText();
        raise(click_);
    });
    pushText();
    applyLook();
}

void ComboBox::pushText() {
    pushing_ = true;
    auto* c = static_cast<QComboBox*>(widget());
    // The list opens on the item the text names, and the arrow keys step from there.
    if (const int index = ListIndex(); c->currentIndex() != index) c->setCurrentIndex(index);
    c->lineEdit()->setText(q(text_));
    pushing_ = false;
}

void ComboBox::AddItem(const std::string& item) {
    items_.push_back(item);
    pushing_ = true;
    static_cast<QComboBox*>(widget())->addItem(q(item));
    pushing_ = false;
    pushText();  // adding an item leaves the text field as it was
}

void ComboBox::Clear() {
    items_.clear();
    pushing_ = true;
    static_cast<QComboBox*>(widget())->clear();
    pushing_ = false;
    text_.clear();
    pushText();
}

std::string ComboBox::List(int index) const {
    if (index < 0 || index >= ListCount()) return {};
    return items_[static_cast<std::size_t>(index)];
}

int ComboBox::ListIndex() const {
    for (int i = 0; i < ListCount(); ++i)
        if (items_[static_cast<std::size_t>(i)] == text_) return i;
    return -1;
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= ListCount()) return;
    text_ = List(index);
    pushText();
    raiseFromCode(click_);
}

void ComboBox::setText(std::string text) {
    bool changed = text != text_;
    text_ = std::move(text);
    pushText();
    if (changed) raiseFromCode(change_);
}

void ComboBox::pick(int index) {
    if (!Visible() || !Enabled() || index < 0 || index >= ListCount()) return;
    auto* c = static_cast<QComboBox*>(widget());
    pushing_ = true;
    c->setCurrentIndex(index);
    pushing_ = false;
    emit c->activated(index);
}

void ComboBox::type(const std::string& text) {
    if (!Visible() || !Enabled()) return;
    auto* c = static_cast<QComboBox*>(widget());
    c->lineEdit()->setText(q(text));
    emit c->lineEdit()->textEdited(q(text));
}

void ComboBox::pressEnter() {
    auto* c = static_cast<QComboBox*>(widget());
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(c->lineEdit(), &press);
}

// Check box ---------------------------------------------------------------

CheckBox::CheckBox(Container& parent, Rect place, std::string caption)
    : VisualControl(parent, place, kButtonFace, kButtonText) {
    auto* c = new QCheckBox(q(caption), parentArea());
    attach(c);
    QObject::connect(c, &QCheckBox::clicked, events(), [this](bool checked) {
        if (pushing_) return;
        value_ = checked ? 1 : 0;
        raise(click_);
    });
    applyLook();
}

void CheckBox::setValue(int value) {
    if (value == value_) return;
    value_ = value;
    pushing_ = true;
    static_cast<QCheckBox*>(widget())->setChecked(value != 0);
    pushing_ = false;
    raiseFromCode(click_);
}

void CheckBox::click() {
    if (!Visible() || !Enabled()) return;
    static_cast<QCheckBox*>(widget())->click();
}

// Option button -----------------------------------------------------------

OptionButton::OptionButton(Container& parent, Rect place, std::string caption)
    : VisualControl(parent, place, kButtonFace, kButtonText), caption_(std::move(caption)) {
    auto* r = new QRadioButton(parentArea());
    attach(r);
    setCaption(caption_);
    QObject::connect(r, &QRadioButton::clicked, events(), [this] {
        if (pushing_) return;
        check(true);
        raise(click_);
    });
    applyLook();
}

namespace {
// Option captions are question texts: an "&" in them is shown, never taken as an access key.
QString literalCaption(const std::string& caption) { return q(caption).replace(u'&', QStringLiteral("&&")); }
}  // namespace

void OptionButton::setCaption(std::string caption) {
    caption_ = std::move(caption);
    static_cast<QRadioButton*>(widget())->setText(literalCaption(caption_));
}

void OptionButton::check(bool value) {
    auto off = [](OptionButton& o) {
        auto* r = static_cast<QRadioButton*>(o.widget());
        o.pushing_ = true;
        r->setAutoExclusive(false);
        r->setChecked(false);
        r->setAutoExclusive(true);
        o.pushing_ = false;
        o.value_ = false;
    };
    if (!value) {
        off(*this);
        return;
    }
    // The others of the group go off without raising anything.
    for (Control* c : container().children())
        if (auto* other = dynamic_cast<OptionButton*>(c); other != nullptr && other != this && other->value_)
            off(*other);
    pushing_ = true;
    static_cast<QRadioButton*>(widget())->setChecked(true);
    pushing_ = false;
    value_ = true;
}

void OptionButton::setValue(bool value) {
    if (value) {
        check(true);
        raiseFromCode(click_);
    } else {
        check(false);
    }
}

void OptionButton::click() {
    if (!Visible() || !Enabled()) return;
    static_cast<QRadioButton*>(widget())->click();
}

// Timer -------------------------------------------------------------------

}  // namespace forms
