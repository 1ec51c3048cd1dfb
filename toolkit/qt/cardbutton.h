// A push button that reports mouse moves, with the button and modifier
// state and the position in twips, as long as it is enabled and shown.
#pragma once

#include <QPushButton>

#include <cstdint>
#include <functional>

namespace tk::qt {

class CardButton : public QPushButton {
public:
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt.
    using MouseMove = std::function<void(std::int16_t button, std::int16_t shift, float x, float y)>;

    explicit CardButton(QWidget* parent) : QPushButton(parent) {}
    void on_mouse_move(MouseMove handler)
    {
        mouse_move_ = std::move(handler);
        setMouseTracking(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    MouseMove mouse_move_;
};

}  // namespace tk::qt
