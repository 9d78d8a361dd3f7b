#pragma once
// How colour codes and design fonts become Qt colours, palettes and fonts.
#include <QColor>
#include <QFont>

#include "platform/forms.h"

class QWidget;

namespace forms::look {

QColor colour(Colour code);
QFont font(const Font& f);
// The installed font that stands in for a design font name.
QString family(const std::string& designName);

// The application as every window expects it: the Fusion style, the design's default
// font, and no end when the last window closes, as the windows decide that.
void styleApplication();

void paintBackground(QWidget* w, Colour back);
void paintColours(QWidget* w, Colour back, Colour fore, bool fillBackground);
void paintButton(QWidget* w, Colour back, Colour fore);

}  // namespace forms::look
