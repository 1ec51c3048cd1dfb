// A command button in the graphical style: its picture above its caption,
// on an ordinary push button's bevel.
#pragma once

#include <QPushButton>

namespace tk::qt {

class PictureButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tk::qt
