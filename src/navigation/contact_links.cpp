#include "navigation/contact_links.h"

#include "platform/platform.h"
#include "shared/contact.h"

namespace contact {

void styleLink(forms::Label& label, forms::Colour foreColour) {
    label.setBackColor(0x0080C0FF);
    label.setForeColor(foreColour);
    label.setFont({.name = "宋体", .size = 9, .underline = true});
    label.setMousePointer(forms::MousePointer::Hand);
}

void openWebsite() {
    platform::current().shellExecute({.owner = 0, .verb = "open", .file = kCompanyWebAddress, .showCommand = 3});
}

void openMail(const forms::Form& owner) {
    platform::current().shellExecute(
        {.owner = owner.hWnd(), .verb = "open", .file = std::string("mailto:") + kContactEmail, .showCommand = 0});
}

}  // namespace contact
