// A command button in the graphical style: its picture above its caption,
// on an ordinary push button's bevel, with the outline, the focus mark and
// the keys of a marked button.
#pragma once

#include "toolkit/qt/focusmark.h"

namespace tk::qt {

class PictureButton : public MarkedButton {
public:
    using MarkedButton::MarkedButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tk::qt
