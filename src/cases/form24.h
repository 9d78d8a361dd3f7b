#pragma once
#include "platform/forms.h"

// The case content loader: never meant to be seen; its load puts the chosen case into
// element 23 of the question and answer tables.
class Form24 : public forms::Form {
public:
    Form24();
    void Form_Load() override;

    forms::Menu KSXM;
    forms::Menu XZ;
    forms::Menu ZCL;
    forms::Menu WD;
    forms::Menu DZBG;
    forms::Menu EX;
    forms::Menu YSWG;
    forms::Menu PT;
    forms::Menu HELP;
    forms::Menu KSGY;
    forms::Menu popmenu;
    forms::Menu neirong;

private:
    void load();
};
