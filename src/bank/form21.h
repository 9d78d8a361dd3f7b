#pragma once
#include "platform/forms.h"

// The exam's choice-bank loader: never meant to be seen; its load copies the set named
// by the current selection into elements 1 to 20 of the question tables.
class Form21 : public forms::Form {
public:
    Form21();
    void Form_Load() override;

    forms::Menu popmenu;
    forms::Menu neirong;
};

// Loads the choice set that the current selection names, before a window that shows it:
// sets 21 to 40 first preload the advert window, as the exam system's later sets do.
void PreloadChoiceBank();
