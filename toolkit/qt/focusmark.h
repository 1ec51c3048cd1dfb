// The classic focus mark: a dotted rectangle just inside a control's edge,
// drawn from the first show, not only once Tab was pressed.
#pragma once

#include <QPushButton>

namespace tk::qt {

// Draws the mark on control if it has the focus.
void draw_focus_mark(QWidget* control, int inset);

// A push button with an outline that stands out, showing the focus mark.
// Return and Enter press it as Space does, as a dialog's buttons and the
// Windows toolkit's have it; in a dialog they press its default button.
class MarkedButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tk::qt
