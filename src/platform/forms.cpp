#include "platform/forms.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "platform/look.h"
#include "platform/platform.h"

namespace forms {

const char* const kApplicationTitle = "计算机Movaro系列";

namespace {

// Thrown by EndProgram to leave the running handler; caught where the event began.
struct ProgramEnd {};

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string u(const QString& s) { return s.toStdString(); }

int px(int twips) { return twips / kTwipsPerPixel; }

// The Qt text of a text box: CR LF, and a lone CR or LF, each become one line break.
QString toWidgetText(const std::string& text) {
    QString t = q(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QChar('\r'), QChar('\n'));
    return t;
}

std::string fromWidgetText(const QString& widgetText) {
    std::string out;
    for (const std::string s = u(widgetText); char c : s) {
        if (c == '\n')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

struct State {
    std::vector<std::pair<std::type_index, std::unique_ptr<Form>>> loaded;
    std::vector<std::unique_ptr<Form>> unloaded;  // destroyed once the outermost handler returns
    int depth = 0;
    bool ended = false;
    bool everLoaded = false;
    long nextHandle = 0x10010;
};

State& state() {
    static State s;
    return s;
}

void destroyUnloaded() {
    auto& s = state();
    while (!s.unloaded.empty()) {
        auto batch = std::move(s.unloaded);
        s.unloaded.clear();
        batch.clear();
    }
}

}  // namespace

// ---------------------------------------------------------------- the registry

Form* Registry::find(std::type_index type) {
    for (auto& [t, f] : state().loaded)
        if (t == type) return f.get();
    return nullptr;
}

void Registry::adopt(std::type_index type, std::unique_ptr<Form> form) {
    auto& s = state();
    Form& f = *form;
    f.loaded_ = true;
    f.handle_ = s.nextHandle += 4;
    f.buildMenuBar();
    s.loaded.emplace_back(type, std::move(form));
    s.everLoaded = true;
    dispatch(&f, [&f] { f.Form_Load(); });
}

void Registry::unload(Form& form) {
    auto& s = state();
    auto it = std::find_if(s.loaded.begin(), s.loaded.end(), [&](auto& p) { return p.second.get() == &form; });
    if (it == s.loaded.end()) return;
    form.window()->hide();
    form.loaded_ = false;
    s.unloaded.push_back(std::move(it->second));
    s.loaded.erase(it);
    if (s.depth == 0) destroyUnloaded();
}

bool Registry::anyLoaded() { return !state().loaded.empty(); }

bool Registry::anyShown() {
    for (auto& [t, f] : state().loaded)
        if (f->Visible()) return true;
    return false;
}

std::vector<Form*> Registry::loadedForms() {
    std::vector<Form*> out;
    for (auto& [t, f] : state().loaded) out.push_back(f.get());
    return out;
}

void Registry::dispatch(const Form* source, const std::function<void()>& handler) {
    auto& s = state();
    if (s.ended) return;
    if (source != nullptr && !source->loaded()) return;  // events of an unloaded window never run
    ++s.depth;
    try {
        handler();
    } catch (const ProgramEnd&) {
        // The program ended inside this handler; every window is already gone.
    }
    --s.depth;
    if (s.depth > 0) {
        // A nested handler: if the program ended, the handler around it stops too.
        if (s.ended) throw ProgramEnd{};
        return;
    }
    destroyUnloaded();
    // Checked only now, so that a handler may unload the last window and then show another.
    if (!s.ended && s.everLoaded && s.loaded.empty()) endProgram();
}

void Registry::closeBox(Form& form) {
    dispatch(&form, [&form] {
        form.closeBoxClicked();
        // A learner who closes the last visible window must not leave the program running unseen.
        if (!anyShown()) endProgram();
    });
}

void Registry::endProgram() {
    auto& s = state();
    if (s.ended) return;
    s.ended = true;
    while (!s.loaded.empty()) unload(*s.loaded.back().second);
    platform::current().endProcess();
    if (s.depth == 0)
        destroyUnloaded();
    else
        throw ProgramEnd{};
}

bool Registry::ended() { return state().ended; }

void Registry::reset() {
    auto& s = state();
    int depth = s.depth;
    s.depth = 1;
    while (!s.loaded.empty()) unload(*s.loaded.back().second);
    s.depth = depth;
    destroyUnloaded();
    s.ended = false;
    s.everLoaded = false;
}

void EndProgram() { Registry::endProgram(); }
bool programEnded() { return Registry::ended(); }

int MsgBox(const std::string& prompt, int style, const std::optional<std::string>& title) {
    int answer = platform::current().messageBox(prompt, style, title);
    // The program may have ended while the box was up.
    if (Registry::ended() && state().depth > 0) throw ProgramEnd{};
    return answer;
}

// ---------------------------------------------------------------- windows

// A window's Qt side: the top-level widget, an optional menu bar and the client area.
class WindowEvents : public QWidget {
public:
    explicit WindowEvents(Form& form) : form_(form) {}

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();  // the toolkit decides what closing does
        if (form_.loaded()) Registry::closeBox(form_);
    }

private:
    Form& form_;
};

struct Form::Widgets {
    std::unique_ptr<WindowEvents> window;
    QWidget* client = nullptr;
    QMenuBar* menuBar = nullptr;
    QObject* events = nullptr;  // receiver of all connections; deleted with the form
};

Form::Form(FormDesign design) : design_(std::move(design)), qt_(std::make_unique<Widgets>()) {
    qt_->window = std::make_unique<WindowEvents>(*this);
    QWidget* w = qt_->window.get();
    qt_->events = new QObject();
    w->setWindowTitle(q(design_.caption));
    qt_->client = new QWidget(w);
    qt_->client->setGeometry(0, 0, px(design_.clientWidth), px(design_.clientHeight));
    look::paintBackground(qt_->client, design_.backColor);
    look::paintBackground(w, design_.backColor);

    Qt::WindowFlags flags = Qt::Window;
    switch (design_.border) {
        case BorderStyle::Sizable:
            flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                     Qt::WindowCloseButtonHint;
            break;
        case BorderStyle::FixedSingle:
            flags |=
                Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            break;
        case BorderStyle::FixedDialog:
            flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
            break;
        case BorderStyle::None:
            flags |= Qt::FramelessWindowHint;
            break;
    }
    if (!design_.showInTaskbar) flags |= Qt::Tool;
    w->setWindowFlags(flags);
    const int width = px(design_.clientWidth);
    const int height = px(design_.clientHeight);
    if (design_.border != BorderStyle::Sizable) w->setFixedSize(width, height);
    // The designed place is the client area's, which is what a top-level geometry sets.
    if (design_.place)
        w->setGeometry(px(design_.place->first), px(design_.place->second), width, height);
    else
        w->resize(width, height);
}

Form::~Form() {
    delete qt_->events;  // no connection of this window fires any more
    QWidget* w = qt_->window.release();
    w->hide();
    w->deleteLater();  // a Qt signal of one of its widgets may still be on the stack
}

QWidget* Form::area() { return qt_->client; }
QWidget* Form::window() const { return qt_->window.get(); }
QObject* Form::events() const { return qt_->events; }

void Form::buildMenuBar() {
    bool anyVisible = std::any_of(menus_.begin(), menus_.end(), [](Menu* m) { return m->Visible(); });
    if (!anyVisible) return;
    QWidget* w = qt_->window.get();
    qt_->menuBar = new QMenuBar(w);
    std::function<void(QMenu*, Menu*)> fill = [&](QMenu* into, Menu* m) {
        for (Menu* item : m->items()) {
            if (item->items().empty()) {
                QAction* a = into->addAction(q(item->Caption()));
                QObject::connect(a, &QAction::triggered, qt_->events, [item] { item->click(); });
            } else {
                fill(into->addMenu(q(item->Caption())), item);
            }
        }
    };
    for (Menu* m : menus_) {
        if (!m->Visible()) continue;
        if (m->items().empty()) {
            QAction* a = qt_->menuBar->addAction(q(m->Caption()));
            QObject::connect(a, &QAction::triggered, qt_->events, [m] { m->click(); });
        } else {
            fill(qt_->menuBar->addMenu(q(m->Caption())), m);
        }
    }
    const int barHeight = qt_->menuBar->sizeHint().height();
    qt_->menuBar->setGeometry(0, 0, px(design_.clientWidth), barHeight);
    qt_->client->move(0, barHeight);
    const int width = px(design_.clientWidth);
    const int height = px(design_.clientHeight) + barHeight;
    if (design_.border != BorderStyle::Sizable) w->setFixedSize(width, height);
    w->resize(width, height);
}

void Form::setTabOrder(std::vector<Control*> order) {
    tabOrder_ = std::move(order);
    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1]->widget(), tabOrder_[i]->widget());
}

void Form::Show() {
    if (!loaded_) return;
    QWidget* w = qt_->window.get();
    const bool first = !w->isVisible() && w->focusWidget() == nullptr;
    w->show();
    if (first) {
        for (Control* c : tabOrder_) {
            if (c->Visible() && c->Enabled() && c->widget()->focusPolicy() != Qt::NoFocus) {
                c->widget()->setFocus();
                break;
            }
        }
    }
    w->raise();
    w->activateWindow();
}

void Form::Hide() {
    if (loaded_) qt_->window->hide();
}

void Form::Unload() { Registry::unload(*this); }

bool Form::Visible() const { return loaded_ && qt_->window->isVisible(); }

void Form::setCaption(std::string caption) {
    design_.caption = std::move(caption);
    qt_->window->setWindowTitle(q(design_.caption));
}

// ---------------------------------------------------------------- controls

Control::Control(Container& parent, Rect place) : parent_(&parent), form_(&parent.owner()), place_(place) {
    parent.adopt(this);
}

Control::~Control() = default;

void Control::attach(QWidget* widget) {
    widget_ = widget;
    widget_->setGeometry(px(place_.left), px(place_.top), px(place_.width), px(place_.height));
    widget_->show();  // shown with its window; Visible false hides it
}

QObject* Control::events() const { return form_->events(); }

void Control::raise(const std::function<void()>& handler) const {
    if (!handler) return;
    Registry::dispatch(form_, handler);
}

void Control::setVisible(bool visible) {
    visible_ = visible;
    if (widget_) widget_->setVisible(visible);
}

void Control::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (widget_) widget_->setEnabled(enabled);
}

void Control::Move(Rect place) {
    place_ = place;
    if (widget_) widget_->setGeometry(px(place.left), px(place.top), px(place.width), px(place.height));
}

VisualControl::VisualControl(Container& parent, Rect place, Colour back, Colour fore)
    : Control(parent, place), back_(back), fore_(fore) {}

void VisualControl::setBackColor(Colour c) {
    back_ = c;
    applyLook();
}
void VisualControl::setForeColor(Colour c) {
    fore_ = c;
    applyLook();
}
void VisualControl::setFont(const Font& f) {
    font_ = f;
    applyLook();
}
void VisualControl::setFontBold(bool b) {
    font_.bold = b;
    applyLook();
}
void VisualControl::setFontSize(double s) {
    font_.size = s;
    applyLook();
}

void VisualControl::applyLook() {
    if (!widget()) return;
    widget()->setFont(look::font(font_));
    look::paintColours(widget(), back_, fore_, fillBack_);
}

// Command button ----------------------------------------------------------

CommandButton::CommandButton(Container& parent, Rect place, std::string caption, bool graphical)
    : VisualControl(parent, place, kButtonFace, kButtonText), caption_(std::move(caption)), graphical_(graphical) {
    auto* b = new QPushButton(q(caption_), parentArea());
    b->setAutoDefault(false);
    attach(b);
    QObject::connect(b, &QPushButton::clicked, events(), [this] { raise(click_); });
    applyLook();
}

void CommandButton::setCaption(std::string caption) {
    caption_ = std::move(caption);
    static_cast<QPushButton*>(widget())->setText(q(caption_));
}

void CommandButton::applyLook() {
    widget()->setFont(look::font(font_));
    // Only a graphical-style button shows its back colour, as on the desktop it imitates.
    look::paintButton(widget(), graphical_ ? back_ : kButtonFace, fore_);
}

void CommandButton::click() {
    if (Visible() && Enabled()) raise(click_);
}

// Label -------------------------------------------------------------------

namespace {
class ClickableLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clicked) clicked();
        QLabel::mouseReleaseEvent(e);
    }
};
}  // namespace

Label::Label(Container& parent, Rect place, std::string caption)
    : VisualControl(parent, place, kButtonFace, kButtonText), caption_(std::move(caption)) {
    auto* l = new ClickableLabel(parentArea());
    l->setTextFormat(Qt::PlainText);  // captions are never read as markup
    l->setWordWrap(true);
    l->setText(q(caption_));
    l->clicked = [this] { raise(click_); };
    attach(l);
    applyLook();
}

void Label::setCaption(std::string caption) {
    caption_ = std::move(caption);
    static_cast<QLabel*>(widget())->setText(q(caption_));
}

void Label::setAlignment(Align a) {
    align_ = a;
    applyLook();
}

void Label::setOpaque(bool opaque) {
    opaque_ = opaque;
    applyLook();
}

void Label::setMousePointer(MousePointer p) {
    widget()->setCursor(p == MousePointer::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Label::applyLook() {
    auto* l = static_cast<QLabel*>(widget());
    l->setFont(look::font(font_));
    look::paintColours(l, back_, fore_, opaque_);
    Qt::Alignment h = align_ == Align::Center  ? Qt::AlignHCenter
                      : align_ == Align::Right ? Qt::AlignRight
                                               : Qt::AlignLeft;
    l->setAlignment(h | Qt::AlignTop);
}

void Label::click() {
    if (Visible() && Enabled()) raise(click_);
}

// Text box ----------------------------------------------------------------

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
        auto* e = new QPlainTextEdit(parentArea());
        e->setReadOnly(style_.locked);
        e->setLineWrapMode(style_.scrollBars == ScrollBars::Horizontal || style_.scrollBars == ScrollBars::Both
                               ? QPlainTextEdit::NoWrap
                               : QPlainTextEdit::WidgetWidth);
        bool vertical = style_.scrollBars == ScrollBars::Vertical || style_.scrollBars == ScrollBars::Both;
        e->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        e->setHorizontalScrollBarPolicy(e->lineWrapMode() == QPlainTextEdit::NoWrap ? Qt::ScrollBarAlwaysOn
                                                                                    : Qt::ScrollBarAlwaysOff);
        if (!style_.border) e->setFrameShape(QFrame::NoFrame);
        e->viewport()->installEventFilter(filter);
        e->installEventFilter(filter);
        filter->pressTarget = e->viewport();
        QObject::connect(e, &QPlainTextEdit::textChanged, events(), [this, e] {
            if (!pushing_) takeTypedText(fromWidgetText(e->toPlainText()));
        });
        w = e;
    } else {
        auto* e = new QLineEdit(parentArea());
        e->setReadOnly(style_.locked);
        e->setFrame(style_.border);
        if (!style_.passwordChar.empty()) e->setEchoMode(QLineEdit::Password);
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
    if (auto* e = qobject_cast<QPlainTextEdit*>(widget())) {
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
    if (changed) raise(change_);
}

void TextBox::setLocked(bool locked) {
    style_.locked = locked;
    if (auto* e = qobject_cast<QPlainTextEdit*>(widget())) e->setReadOnly(locked);
    if (auto* l = qobject_cast<QLineEdit*>(widget())) l->setReadOnly(locked);
}

void TextBox::setAlignment(Label::Align a) {
    Qt::Alignment h = a == Label::Align::Center  ? Qt::AlignHCenter
                      : a == Label::Align::Right ? Qt::AlignRight
                                                 : Qt::AlignLeft;
    if (auto* e = qobject_cast<QPlainTextEdit*>(widget())) {
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
    if (auto* e = qobject_cast<QPlainTextEdit*>(widget())) {
        e->setPlainText(q(text));
        typed = fromWidgetText(e->toPlainText());
    }
    if (auto* l = qobject_cast<QLineEdit*>(widget())) l->setText(q(text));
    pushing_ = false;
    takeTypedText(typed);
}

// List box ----------------------------------------------------------------

ListBox::ListBox(Container& parent, Rect place) : VisualControl(parent, place, kWindowBackground, kWindowText) {
    auto* l = new QListWidget(parentArea());
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    attach(l);
    QObject::connect(l, &QListWidget::currentRowChanged, events(), [this](int row) {
        if (pushing_) return;
        if (row < 0) return;
        select(row, true);
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
}

void ListBox::pick(int index) {
    if (!Visible() || !Enabled() || index < 0 || index >= ListCount()) return;
    static_cast<QListWidget*>(widget())->setCurrentRow(index);
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
    raise(click_);
}

void ComboBox::setText(std::string text) {
    bool changed = text != text_;
    text_ = std::move(text);
    pushText();
    if (changed) raise(change_);
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

// Frame -------------------------------------------------------------------

Frame::Frame(Container& parent, Rect place, std::string caption)
    : VisualControl(parent, place, kButtonFace, kButtonText), caption_(std::move(caption)) {
    auto* g = new QGroupBox(q(caption_), parentArea());
    fillBack_ = true;
    attach(g);
    applyLook();
}

// Image -------------------------------------------------------------------

namespace {
class PictureWidget : public QWidget {
public:
    PictureWidget(QWidget* parent, const std::string& picture) : QWidget(parent) {
        if (!picture.empty())
            renderer_ = std::make_unique<QSvgRenderer>(QStringLiteral(":/pictures/%1.svg").arg(q(picture)));
    }
    std::function<void()> clicked;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!renderer_ || !renderer_->isValid()) return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        // Drawn at its own size from the top left, as an unstretched picture is.
        renderer_->render(&p, QRectF(QPointF(0, 0), renderer_->defaultSize()));
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clicked) clicked();
    }

private:
    std::unique_ptr<QSvgRenderer> renderer_;
};
}  // namespace

Image::Image(Container& parent, Rect place, std::string picture)
    : Control(parent, place), picture_(std::move(picture)) {
    auto* w = new PictureWidget(parentArea(), picture_);
    w->clicked = [this] { raise(click_); };
    attach(w);
}

void Image::setMousePointer(MousePointer p) {
    widget()->setCursor(p == MousePointer::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Image::click() {
    if (Visible() && Enabled()) raise(click_);
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
    raise(click_);
}

void CheckBox::click() {
    if (!Visible() || !Enabled()) return;
    static_cast<QCheckBox*>(widget())->click();
}

// Option button -----------------------------------------------------------

OptionButton::OptionButton(Container& parent, Rect place, std::string caption)
    : VisualControl(parent, place, kButtonFace, kButtonText), caption_(std::move(caption)) {
    auto* r = new QRadioButton(q(caption_), parentArea());
    attach(r);
    QObject::connect(r, &QRadioButton::clicked, events(), [this] {
        if (pushing_) return;
        check(true);
        raise(click_);
    });
    applyLook();
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
        raise(click_);
    } else {
        check(false);
    }
}

void OptionButton::click() {
    if (!Visible() || !Enabled()) return;
    static_cast<QRadioButton*>(widget())->click();
}

// Timer -------------------------------------------------------------------

Timer::Timer(Container& parent, int interval, bool enabled) : Control(parent, Rect{}), interval_(interval) {
    auto* holder = new QWidget(parentArea());
    holder->setAttribute(Qt::WA_TransparentForMouseEvents);
    attach(holder);
    holder->hide();
    auto* t = new QTimer(holder);
    t->setObjectName(QStringLiteral("timer"));
    QObject::connect(t, &QTimer::timeout, events(), [this] { tick(); });
    Control::setEnabled(enabled);
    restart();
}

void Timer::restart() {
    auto* t = widget()->findChild<QTimer*>(QStringLiteral("timer"));
    if (Enabled() && interval_ > 0)
        t->start(interval_);
    else
        t->stop();
}

void Timer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    restart();
}

void Timer::setEnabled(bool enabled) {
    Control::setEnabled(enabled);
    restart();
}

void Timer::tick() {
    if (Enabled() && interval_ > 0) raise(timer_);
}

// Line and shape ----------------------------------------------------------

namespace {
class LineWidget : public QWidget {
public:
    LineWidget(QWidget* parent, QPoint a, QPoint b, Colour c, int width)
        : QWidget(parent), a_(a), b_(b), colour_(c), width_(width) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QPen pen(look::colour(colour_), width_);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        const QPointF shift(width_ / 2.0, width_ / 2.0);  // the pen's width lies inside the widget
        p.drawLine(QPointF(a_) + shift, QPointF(b_) + shift);
    }

private:
    QPoint a_, b_;
    Colour colour_;
    int width_;
};

class ShapeWidget : public QWidget {
public:
    ShapeWidget(QWidget* parent, const Shape& shape) : QWidget(parent), shape_(shape) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(look::colour(shape_.BorderColor()), 1));
        p.setBrush(shape_.FillStyle() == Shape::Solid ? QBrush(look::colour(shape_.FillColor())) : Qt::NoBrush);
        QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        bool round = shape_.shape() == Shape::Kind::Circle || shape_.shape() == Shape::Kind::Oval;
        if (shape_.shape() == Shape::Kind::Circle || shape_.shape() == Shape::Kind::Square) {
            double side = std::min(r.width(), r.height());
            r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
        }
        if (round)
            p.drawEllipse(r);
        else
            p.drawRect(r);
    }

private:
    const Shape& shape_;
};
}  // namespace

Line::Line(Container& parent, int x1, int y1, int x2, int y2, Colour colour, int width)
    : Control(parent, Rect{std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + width * kTwipsPerPixel,
                           std::abs(y2 - y1) + width * kTwipsPerPixel}),
      x1_(x1),
      y1_(y1),
      x2_(x2),
      y2_(y2),
      colour_(colour),
      width_(width) {
    const int left = std::min(x1, x2);
    const int top = std::min(y1, y2);
    attach(new LineWidget(parentArea(), QPoint(px(x1_ - left), px(y1_ - top)), QPoint(px(x2_ - left), px(y2_ - top)),
                          colour_, width_));
}

Shape::Shape(Container& parent, Rect place, Kind kind) : Control(parent, place), kind_(kind) {
    attach(new ShapeWidget(parentArea(), *this));
}

void Shape::setFillColor(Colour c) {
    fill_ = c;
    widget()->update();
}
void Shape::setFillStyle(int style) {
    fillStyle_ = style;
    widget()->update();
}
void Shape::setBorderColor(Colour c) {
    border_ = c;
    widget()->update();
}

// Menus -------------------------------------------------------------------

Menu::Menu(Form& form, std::string caption, bool visible)
    : form_(&form), caption_(std::move(caption)), visible_(visible) {
    form.menus_.push_back(this);
}

Menu::Menu(Menu& parent, std::string caption) : form_(parent.form_), caption_(std::move(caption)), visible_(true) {
    parent.items_.push_back(this);
}

void Menu::click() {
    if (!click_) return;
    Registry::dispatch(form_, click_);
}

}  // namespace forms
