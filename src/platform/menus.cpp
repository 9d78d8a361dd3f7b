#include "platform/menus.h"

#include "platform/platform.h"

namespace forms {

// Menus -------------------------------------------------------------------

Menu::Menu(Form& form, std::string caption, bool visible)
    : form_(&form), caption_(std::move(caption)), visible_(visible) {
    form.menus_.push_back(this);
}

Menu::Menu(Menu& parent, std::string caption, bool visible)
    : form_(parent.form_), caption_(std::move(caption)), visible_(visible) {
    parent.items_.push_back(this);
}

void Menu::click() {
    if (!click_) return;
    Registry::dispatch(form_, click_);
}

void PopupMenu(Form& form, Menu& menu) {
    Registry::runNestedLoop([&] { platform::current().popupMenu(form, menu); });
}

}  // namespace forms
