#pragma once
#include "platform/forms.h"

// The examination syllabus, read-only.
class Form26 : public forms::Form {
public:
    Form26();
    void Form_Load() override;

    forms::TextBox Text1;
};
