#pragma once
// The forms toolkit: windows and controls with the behaviour the trainer's windows
// are written against (load on touch, deferred unload, events raised from code),
// drawn with Qt. Window code sees only these types.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <vector>

class QWidget;
class QObject;

namespace forms {

// Colours as 32-bit colour codes: &H00BBGGRR, or a system colour &H800000nn.
using Colour = std::uint32_t;
constexpr Colour kButtonFace = 0x8000000F;
constexpr Colour kButtonText = 0x80000012;
constexpr Colour kWindowBackground = 0x80000005;
constexpr Colour kWindowText = 0x80000008;

// Places in twips relative to the container: 15 twips a pixel.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
constexpr int kTwipsPerPixel = 15;

struct Font {
    std::string name = "宋体";
    double size = 9;
    bool bold = false;
    bool underline = false;
};

// Message boxes.
enum : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};
enum : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };
enum : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };

// The title that untitled message boxes show.
extern const char* const kApplicationTitle;

int MsgBox(const std::string& prompt, int style = vbOKOnly, const std::optional<std::string>& title = std::nullopt);

// Ends the program at once: every window goes, no further event runs, and the
// handler that called it does not go on.
void EndProgram();
bool programEnded();

class Form;
class Control;

// A form or a frame: what controls are placed in.
class Container {
public:
    virtual ~Container() = default;
    virtual Form& owner() = 0;
    virtual QWidget* area() = 0;  // the widget that children are placed on
    void adopt(Control* child) { children_.push_back(child); }
    const std::vector<Control*>& children() const { return children_; }

private:
    std::vector<Control*> children_;
};

enum class MousePointer { Default, Hand };

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    Form& form() const { return *form_; }
    Container& container() const { return *parent_; }
    int Index() const { return index_; }  // member of a control array, or -1
    void setIndex(int index) { index_ = index; }

    bool Visible() const { return visible_; }
    void setVisible(bool visible);
    bool Enabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);
    Rect Place() const { return place_; }
    void Move(Rect place);

    QWidget* widget() const { return widget_; }

protected:
    explicit Control(Container& parent, Rect place);
    void attach(QWidget* widget);  // places the widget; called by each kind's constructor
    QWidget* parentArea() const { return parent_->area(); }
    QObject* events() const;  // receiver of this control's Qt connections; dies with the form
    // Runs one of this control's event handlers as an event of its form.
    void raise(const std::function<void()>& handler) const;

private:
    Container* parent_;
    Form* form_;
    QWidget* widget_ = nullptr;
    Rect place_;
    int index_ = -1;
    bool visible_ = true;
    bool enabled_ = true;
};

// Controls with colours and a font.
class VisualControl : public Control {
public:
    Colour BackColor() const { return back_; }
    void setBackColor(Colour c);
    Colour ForeColor() const { return fore_; }
    void setForeColor(Colour c);
    const Font& font() const { return font_; }
    void setFont(const Font& f);
    bool FontBold() const { return font_.bold; }
    void setFontBold(bool b);
    double FontSize() const { return font_.size; }
    void setFontSize(double s);

protected:
    VisualControl(Container& parent, Rect place, Colour back, Colour fore);
    virtual void applyLook();

    Colour back_;
    Colour fore_;
    Font font_;
    bool fillBack_ = false;
};

class CommandButton : public VisualControl {
public:
    CommandButton(Container& parent, Rect place, std::string caption, bool graphical = false);
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    void onClick(std::function<void()> h) { click_ = std::move(h); }
    void click();  // as the learner clicks it

protected:
    void applyLook() override;

private:
    std::string caption_;
    bool graphical_;
    std::function<void()> click_;
};

class Label : public VisualControl {
public:
    enum class Align { Left = 0, Right = 1, Center = 2 };
    Label(Container& parent, Rect place, std::string caption);
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    Align Alignment() const { return align_; }
    void setAlignment(Align a);
    bool Opaque() const { return opaque_; }
    void setOpaque(bool opaque);  // BackStyle: opaque or transparent
    void setMousePointer(MousePointer p);
    void onClick(std::function<void()> h) { click_ = std::move(h); }
    void click();

protected:
    void applyLook() override;

private:
    std::string caption_;
    Align align_ = Align::Left;
    bool opaque_ = true;
    std::function<void()> click_;
};

class TextBox : public VisualControl {
public:
    enum class ScrollBars { None = 0, Horizontal = 1, Vertical = 2, Both = 3 };
    struct Style {
        bool multiLine = false;
        ScrollBars scrollBars = ScrollBars::None;
        bool locked = false;
        std::string passwordChar;  // one character, or empty
        bool border = true;
    };
    TextBox(Container& parent, Rect place, std::string text, Style style);
    TextBox(Container& parent, Rect place, std::string text) : TextBox(parent, place, std::move(text), Style{}) {}

    // Exactly the text written, CR LF included; the learner's typing is kept with CR LF.
    const std::string& Text() const { return text_; }
    void setText(std::string text);
    bool Locked() const { return style_.locked; }
    void setLocked(bool locked);
    void setAlignment(Label::Align a);
    void SetFocus();
    void setEnabled(bool enabled) override;

    // button: vbLeftButton, vbRightButton or vbMiddleButton; shift: 1 shift, 2 ctrl, 4 alt; x, y in twips.
    void onMouseDown(std::function<void(int button, int shift, int x, int y)> h) { mouseDown_ = std::move(h); }
    void onChange(std::function<void()> h) { change_ = std::move(h); }
    void mouseDown(int button, int shift = 0, int x = 0, int y = 0);  // as the learner presses a mouse button
    void type(const std::string& text);                               // as the learner replaces the text

private:
    friend class TextBoxEvents;
    void pushText();
    void takeTypedText(const std::string& typed);

    std::string text_;
    Style style_;
    std::function<void(int, int, int, int)> mouseDown_;
    std::function<void()> change_;
    bool pushing_ = false;
    bool inMouseDown_ = false;
    bool dropContextMenu_ = false;
};

class ListBox : public VisualControl {
public:
    ListBox(Container& parent, Rect place);
    void AddItem(const std::string& item);
    void Clear();
    int ListCount() const { return static_cast<int>(items_.size()); }
    std::string List(int index) const;
    int ListIndex() const { return index_; }
    // Setting the selection from code raises Click, as a learner's pick does.
    void setListIndex(int index);
    std::string Text() const { return List(index_); }
    void onClick(std::function<void()> h) { click_ = std::move(h); }
    void pick(int index);  // as the learner clicks an item

private:
    void select(int index, bool raiseClick);
    std::vector<std::string> items_;
    int index_ = -1;
    bool pushing_ = false;
    std::function<void()> click_;
};

// An editable drop-down combo box. The list holds exactly what code adds: typed text
// is never added and never completed, and Enter does nothing.
class ComboBox : public VisualControl {
public:
    ComboBox(Container& parent, Rect place, std::string text);
    void AddItem(const std::string& item);
    void Clear();
    int ListCount() const { return static_cast<int>(items_.size()); }
    std::string List(int index) const;
    int ListIndex() const;  // the index of the item equal to the text, or -1
    void setListIndex(int index);
    const std::string& Text() const { return text_; }
    void setText(std::string text);
    void onClick(std::function<void()> h) { click_ = std::move(h); }
    void onChange(std::function<void()> h) { change_ = std::move(h); }
    void pick(int index);                // as the learner picks from the drop-down list
    void type(const std::string& text);  // as the learner types over the text field
    void pressEnter();                   // as the learner presses Enter in the text field

private:
    friend class ComboEvents;
    void pushText();
    std::vector<std::string> items_;
    std::string text_;
    bool pushing_ = false;
    std::function<void()> click_;
    std::function<void()> change_;
};

class Frame : public VisualControl, public Container {
public:
    Frame(Container& parent, Rect place, std::string caption);
    const std::string& Caption() const { return caption_; }
    Form& owner() override { return form(); }
    QWidget* area() override { return widget(); }

private:
    std::string caption_;
};

// An image: a picture (a compiled-in SVG named without extension), or without a
// picture a transparent hot spot that still takes clicks.
class Image : public Control {
public:
    Image(Container& parent, Rect place, std::string picture = {});
    const std::string& Picture() const { return picture_; }
    void setMousePointer(MousePointer p);
    void onClick(std::function<void()> h) { click_ = std::move(h); }
    void click();

private:
    std::string picture_;
    std::function<void()> click_;
};

class CheckBox : public VisualControl {
public:
    CheckBox(Container& parent, Rect place, std::string caption);
    int Value() const { return value_; }  // 0 unchecked, 1 checked
    void setValue(int value);             // a change raises Click
    void onClick(std::function<void()> h) { click_ = std::move(h); }
    void click();

private:
    int value_ = 0;
    bool pushing_ = false;
    std::function<void()> click_;
};

// Option buttons form one group per container.
class OptionButton : public VisualControl {
public:
    OptionButton(Container& parent, Rect place, std::string caption);
    const std::string& Caption() const { return caption_; }
    bool Value() const { return value_; }
    // True raises Click and clears the others of the group; false raises nothing.
    void setValue(bool value);
    void onClick(std::function<void()> h) { click_ = std::move(h); }
    void click();

private:
    void check(bool value);
    std::string caption_;
    bool value_ = false;
    bool pushing_ = false;
    std::function<void()> click_;
};

class Timer : public Control {
public:
    Timer(Container& parent, int interval, bool enabled);
    int Interval() const { return interval_; }
    void setInterval(int milliseconds);
    void setEnabled(bool enabled) override;
    void onTimer(std::function<void()> h) { timer_ = std::move(h); }
    void tick();  // one tick, as if the interval had passed

private:
    void restart();
    int interval_;
    std::function<void()> timer_;
};

class Line : public Control {
public:
    Line(Container& parent, int x1, int y1, int x2, int y2, Colour colour = kWindowText, int width = 1);
    Colour BorderColor() const { return colour_; }
    int BorderWidth() const { return width_; }

private:
    int x1_, y1_, x2_, y2_;
    Colour colour_;
    int width_;
};

class Shape : public Control {
public:
    enum class Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3 };
    enum : int { Solid = 0, Transparent = 1 };
    Shape(Container& parent, Rect place, Kind kind);
    Colour FillColor() const { return fill_; }
    void setFillColor(Colour c);
    int FillStyle() const { return fillStyle_; }
    void setFillStyle(int style);
    Colour BorderColor() const { return border_; }
    void setBorderColor(Colour c);
    Kind shape() const { return kind_; }

private:
    Kind kind_;
    Colour fill_ = 0x000000;
    int fillStyle_ = Transparent;
    Colour border_ = kWindowText;
};

// A menu of the window's menu bar, an item of one, or the hidden popup menu.
class Menu {
public:
    Menu(Form& form, std::string caption, bool visible = true);
    Menu(Menu& parent, std::string caption);
    const std::string& Caption() const { return caption_; }
    bool Visible() const { return visible_; }
    const std::vector<Menu*>& items() const { return items_; }
    void onClick(std::function<void()> h) { click_ = std::move(h); }
    void click();  // as the learner chooses it
    Form& form() const { return *form_; }

private:
    Form* form_;
    std::string caption_;
    bool visible_;
    std::vector<Menu*> items_;
    std::function<void()> click_;
};

// Controls that share one name and carry an index in their events.
template <class T>
class ControlArray {
public:
    template <class... Args>
    T& add(int index, Args&&... args) {
        auto c = std::make_unique<T>(std::forward<Args>(args)...);
        c->setIndex(index);
        T& ref = *c;
        items_[index] = std::move(c);
        return ref;
    }
    T& operator()(int index) { return *items_.at(index); }
    const T& operator()(int index) const { return *items_.at(index); }
    bool contains(int index) const { return items_.count(index) != 0; }
    int LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    template <class Handler>
    void onClick(Handler h) {
        for (auto& [i, c] : items_) c->onClick([h, i = i] { h(i); });
    }

private:
    std::map<int, std::unique_ptr<T>> items_;
};

enum class BorderStyle { None, FixedSingle, Sizable, FixedDialog };

struct FormDesign {
    std::string caption;
    BorderStyle border = BorderStyle::Sizable;
    int clientWidth = 4800;  // twips
    int clientHeight = 3600;
    std::optional<std::pair<int, int>>
        place;  // client area's left and top on the screen; absent: where the platform puts it
    bool showInTaskbar = true;
    Colour backColor = kButtonFace;
};

class Form : public Container {
public:
    explicit Form(FormDesign design);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    virtual void Form_Load() {}
    // What the title-bar close box does: unload this window alone, unless a window
    // treats it as one of its own buttons.
    virtual void closeBoxClicked() { Unload(); }

    void Show();
    void Hide();
    void Unload();
    bool Visible() const;
    bool loaded() const { return loaded_; }

    const std::string& Caption() const { return design_.caption; }
    void setCaption(std::string caption);
    const FormDesign& design() const { return design_; }
    long hWnd() const { return handle_; }
    const std::vector<Menu*>& menus() const { return menus_; }
    // The order in which the Tab key visits the controls; the first that can take the
    // focus has it when the window is first shown.
    void setTabOrder(std::vector<Control*> order);

    Form& owner() override { return *this; }
    QWidget* area() override;
    QWidget* window() const;
    QObject* events() const;

private:
    friend class Menu;
    friend class Registry;
    friend class WindowEvents;
    void buildMenuBar();
    FormDesign design_;
    struct Widgets;
    std::unique_ptr<Widgets> qt_;
    std::vector<Menu*> menus_;
    std::vector<Control*> tabOrder_;
    long handle_ = 0;
    bool loaded_ = false;
};

// The windows that are loaded, by type.
class Registry {
public:
    static Form* find(std::type_index type);
    static void adopt(std::type_index type, std::unique_ptr<Form> form);
    static void unload(Form& form);
    static bool anyLoaded();
    static bool anyShown();
    static std::vector<Form*> loadedForms();
    // Runs an event handler: windows unloaded meanwhile are destroyed, and the end of
    // the program checked, once the outermost handler has returned.
    static void dispatch(const Form* source, const std::function<void()>& handler);
    // Unloads every window without running anything and forgets that the program ended.
    static void reset();
    static void closeBox(Form& form);
    static void endProgram();
    static bool ended();
};

// The loaded window of type T; touching a window that is not loaded loads it hidden
// and runs its Form_Load.
template <class T>
T& form() {
    if (Form* f = Registry::find(typeid(T))) return static_cast<T&>(*f);
    auto created = std::make_unique<T>();
    T& ref = *created;
    Registry::adopt(typeid(T), std::move(created));
    return ref;
}

template <class T>
void unload() {
    if (Form* f = Registry::find(typeid(T))) f->Unload();
}

template <class T>
bool isLoaded() {
    return Registry::find(typeid(T)) != nullptr;
}

template <class T>
bool isShown() {
    Form* f = Registry::find(typeid(T));
    return f != nullptr && f->Visible();
}

// Shows a window and hides it at once, so that a window whose load fills shared data
// runs its load; a loaded window is not loaded again.
template <class T>
void Preload() {
    form<T>().Show();
    form<T>().Hide();
}

// Runs an operation that no control invokes as an event of the program.
inline void invoke(const std::function<void()>& operation) { Registry::dispatch(nullptr, operation); }

}  // namespace forms
