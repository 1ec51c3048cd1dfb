// Controls whose edges stand out from what surrounds them, in any palette.
#pragma once

#include <QColor>
#include <QPlainTextEdit>

class QPalette;

namespace tk::qt {

// Non-text contrast: what identifies a control stands out from what
// surrounds it by 3:1.
constexpr double edge_contrast = 3.0;

// The colour of a control's one-pixel outline: the outline the style draws
// (the window's colour shaded, or the highlight's where the control has the
// focus or is a default button), moved in lightness only as far as 3:1
// against the window asks.
QColor edge_colour(const QPalette& palette, bool highlighted);

// Draws control's outline over the style's: the one-pixel ring just inside
// its rectangle.
void draw_edge(QWidget* control);

// A text box with an outline that stands out.
class EdgedTextBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool event(QEvent* event) override;
};

}  // namespace tk::qt
