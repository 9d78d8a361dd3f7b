#pragma once
// The controls that take the learner's input: text boxes, lists, combo boxes, check
// boxes and option buttons.
#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace forms {

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
    void setCaption(std::string caption);
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

}  // namespace forms
