// Colours that stand out from whatever background the desktop's palette
// gives them: contrast as WCAG 2 measures it, and colours moved in
// lightness, hue kept, only as far as a background asks.
#pragma once

#include <QColor>

namespace tk::qt {

// Normal text needs 4.5:1 against its background; large text (18 points,
// or 14 bold) 3:1.
constexpr double normal_text_contrast = 4.5, large_text_contrast = 3.0;
// Non-text contrast: what identifies a control stands out from what
// surrounds it by 3:1.
constexpr double edge_contrast = 3.0;

double contrast_ratio(const QColor& a, const QColor& b);

// Whether a background is dark: text on it reads best lighter than it.
bool is_dark(const QColor& background);

// How far past its ratio a colour is taken where it has to move. The thin
// strokes of small text are drawn blended into the background, the more so
// where a desktop hints fonts lightly or not at all: a quarter to spare.
// Thick strokes, large digits and outlines, need a tenth.
constexpr double thin_strokes = 1.25, thick_strokes = 1.1;

// colour itself where it stands out from background by ratio; else the same
// hue made lighter or darker, the least that reaches the ratio times spare;
// else, where no lightness does, fallback.
QColor readable(const QColor& colour, const QColor& background, double ratio, const QColor& fallback,
                double spare = thick_strokes);

}  // namespace tk::qt
