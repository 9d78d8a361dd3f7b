#pragma once
// Windows and their registry: load on touch, deferred unload, the close box and the
// end of the program.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <vector>

#include "platform/form_basics.h"

class QWidget;
class QObject;

namespace forms {

// Ends the program at once: every window goes, no further event runs, and the
// handler that called it does not go on.
void EndProgram();
bool programEnded();

class Form;
class Control;
class Menu;

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
    // Raised when a sizable window's size changes, its first show included.
    virtual void Form_Resize() {}
    // What the title-bar close box does: unload this window alone, unless a window
    // treats it as one of its own buttons.
    virtual void closeBoxClicked() { Unload(); }

    void Show();
    void Hide();
    void Unload();
    bool Visible() const;
    bool loaded() const { return loaded_; }

    // The client area's size, in twips.
    int ScaleWidth() const;
    int ScaleHeight() const;

    const std::string& Caption() const { return design_.caption; }
    void setCaption(std::string caption);
    const FormDesign& design() const { return design_; }
    long hWnd() const { return handle_; }
    const std::vector<Menu*>& menus() const { return menus_; }
    // The order in which the Tab key visits the controls; the first that can take the
    // focus has it when the window is first shown.
    void setTabOrder(std::vector<Control*> order);
    // Moves this window beside another, to its right, or where that has no room into
    // the screen's bottom right corner; wholly on the screen either way.
    void placeBeside(const Form& other);

    Form& owner() override { return *this; }
    QWidget* area() override;
    QWidget* window() const;
    QObject* events() const;

private:
    friend class Menu;
    friend class Registry;
    friend class WindowEvents;
    void buildMenuBar();
    void windowResized();
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
    // The loaded window shown most recently, or null.
    static Form* lastShown();
    // Runs an event handler: windows unloaded meanwhile are destroyed once the event loop
    // has control again, and the end of the program is checked once the outermost handler
    // has returned. It never throws, so it may be called from Qt.
    static void dispatch(const Form* source, const std::function<void()>& handler);
    // Unloads every window without running anything and forgets that the program ended.
    static void reset();
    static void closeBox(Form& form);
    static void endProgram();
    static bool ended();
    // Leaves the running handler when the program ended meanwhile (inside a message box, say).
    static void stopIfEnded();
    // Runs a loop of the platform's own (a message box, a popup menu) for the running
    // handler, which goes no further when the program ended or its window was unloaded
    // while the loop ran.
    static void runNestedLoop(const std::function<void()>& loop);
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
