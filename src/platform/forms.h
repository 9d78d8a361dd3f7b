#pragma once
// The forms toolkit: windows and controls with the behaviour the trainer's windows
// are written against (load on touch, deferred unload, events raised from code),
// drawn with Qt. Window code sees only these types.
#include "platform/controls.h"
#include "platform/form_basics.h"
#include "platform/input_controls.h"
#include "platform/menus.h"
#include "platform/message_box.h"
#include "platform/window.h"
