#include "exercises/form40.h"

using namespace forms;

Form40::Form40() : Form({.caption = "Form40"}), popmenu(*this, "快捷菜单", false), neirong(popmenu, "内容不可改动") {}
