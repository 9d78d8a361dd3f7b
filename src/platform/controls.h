#pragma once
// The controls that show and take clicks: buttons, labels, frames, pictures, lines,
// shapes and timers, and control arrays of any kind.
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/window.h"

namespace forms {

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
    // Brings the control in front of its siblings (0) or sends it behind them (1).
    void ZOrder(int position = 0);

    QWidget* widget() const { return widget_; }

protected:
    explicit Control(Container& parent, Rect place);
    void attach(QWidget* widget);  // places the widget; called by each kind's constructor
    QWidget* parentArea() const { return parent_->area(); }
    QObject* events() const;  // receiver of this control's Qt connections; dies with the form
    // Runs one of this control's event handlers as an event of its form. For what Qt
    // calls (a signal, an event filter) and for what stands in for the learner's input.
    void raise(const std::function<void()>& handler) const;
    // The same for a property set by window code: if the program ended in the handler,
    // the window code that set the property goes no further either.
    void raiseFromCode(const std::function<void()>& handler) const;

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
    // Where the back colour carries state, or the label lies on a picture it must cover,
    // the button face is painted like any other colour instead of letting the container
    // show through.
    void setPaintsButtonFace(bool paints);
    bool Bordered() const { return bordered_; }
    void setBordered(bool bordered);  // BorderStyle: none or a fixed single sunken edge
    void setMousePointer(MousePointer p);
    void onClick(std::function<void()> h) { click_ = std::move(h); }
    void click();

protected:
    void applyLook() override;

private:
    std::string caption_;
    Align align_ = Align::Left;
    bool opaque_ = true;
    bool paintsButtonFace_ = false;
    bool bordered_ = false;
    std::function<void()> click_;
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

}  // namespace forms
