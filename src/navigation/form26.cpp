#include "navigation/form26.h"

#include "navigation/study_content.h"

using namespace forms;

Form26::Form26()
    : Form({.caption = "二级MS Office高级应用考试大纲（2013年版）",
            .border = BorderStyle::Sizable,
            .clientWidth = 10740,
            .clientHeight = 8460}),
      Text1(*this, {60, 60, 10620, 8340}, "Text1",
            {.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical, .locked = true}) {
    Text1.setFont({.name = "宋体", .size = 12});
}

void Form26::Form_Load() { Text1.setText(joinLines(navigation::syllabusLines())); }
