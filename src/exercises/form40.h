#pragma once
#include "platform/forms.h"

// A window that carries the shortcut menu and no box that would open it.
class Form40 : public forms::Form {
public:
    Form40();

    forms::Menu popmenu;
    forms::Menu neirong;
};
