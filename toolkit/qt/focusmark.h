// The classic focus mark: a dotted rectangle just inside a control's edge,
// drawn from the first show, not only once Tab was pressed.
#pragma once

#include <QPushButton>

namespace tk::qt {

// Draws the mark on control if it has the focus.
void draw_focus_mark(QWidget* control, int inset);

// A push button with an outline that stands out, showing the focus mark.
class MarkedButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tk::qt
