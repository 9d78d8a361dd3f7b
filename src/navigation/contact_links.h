#pragma once
// The contact links that the start window, the hub and the series entry window share.
#include "platform/forms.h"

namespace contact {

// Underlined 9-point text on the light orange strip, with a pointing hand.
void styleLink(forms::Label& label, forms::Colour foreColour);
// Hands the web address to the shell: no owner, maximized.
void openWebsite();
// Hands the mail address to the shell, with the clicked window as owner and show command 0.
void openMail(const forms::Form& owner);

}  // namespace contact
