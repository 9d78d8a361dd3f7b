#pragma once
// Menu bars, their items and the hidden popup menu.
#include <functional>
#include <string>
#include <vector>

#include "platform/window.h"

namespace forms {

// A menu of the window's menu bar, an item of one, or the hidden popup menu.
class Menu {
public:
    Menu(Form& form, std::string caption, bool visible = true);
    // An item that is not visible is not offered, nor are the items under it.
    Menu(Menu& parent, std::string caption, bool visible = true);
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

// Pops up a window's hidden menu at the pointer and waits until it closes. The running
// handler goes no further when the program ended, or the window went, meanwhile.
void PopupMenu(Form& form, Menu& menu);

}  // namespace forms
