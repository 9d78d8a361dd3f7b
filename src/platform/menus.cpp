#include "platform/menus.h"

namespace forms {

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
