#pragma once
// Colours that carry state between windows, and the plain white several windows use.
#include "platform/form_basics.h"

constexpr forms::Colour kWhite = 0x00FFFFFF;
// An answered exam item: its number green with red digits, its circle filled green. The
// hand-in counts the numbers in this back colour.
constexpr forms::Colour kAnsweredMarkBack = 0x0000FF00;
constexpr forms::Colour kAnsweredMarkFore = 0x000000FF;
