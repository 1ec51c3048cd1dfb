// Controls whose edges stand out from what surrounds them, in any palette.
#pragma once

#include <QPlainTextEdit>

namespace tk::qt {

// Draws control's outline over the style's: the one-pixel ring just inside
// its rectangle, highlighted while it has the focus or is a default button.
void draw_edge(QWidget* control);

// A text box with an outline that stands out.
class EdgedTextBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool event(QEvent* event) override;
};

}  // namespace tk::qt
