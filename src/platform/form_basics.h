#pragma once
// The values every window's design is written in: colour codes, places in twips, fonts.
#include <cstdint>
#include <string>

namespace forms {

// Colours as 32-bit colour codes: &H00BBGGRR, or a system colour &H800000nn.
using Colour = std::uint32_t;
constexpr Colour kButtonFace = 0x8000000F;
constexpr Colour kButtonText = 0x80000012;
constexpr Colour kWindowBackground = 0x80000005;
constexpr Colour kWindowText = 0x80000008;

// Places in twips relative to the container: 15 twips a pixel.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
constexpr int kTwipsPerPixel = 15;

struct Font {
    std::string name = "宋体";
    double size = 9;
    bool bold = false;
    bool underline = false;
};

enum class MousePointer { Default, Hand };

}  // namespace forms
