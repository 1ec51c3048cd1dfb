// Mouse moves of a card, in the units the handlers expect.
#include "toolkit/qt/cardbutton.h"

#include "toolkit/qt/twips.h"

#include <QMouseEvent>

namespace tk::qt {

void CardButton::mouseMoveEvent(QMouseEvent* event)
{
    QPushButton::mouseMoveEvent(event);
    if (!mouse_move_)
        return;
    const Qt::MouseButtons held = event->buttons();
    const Qt::KeyboardModifiers keys = event->modifiers();
    const auto button = static_cast<std::int16_t>((held & Qt::LeftButton ? 1 : 0) | (held & Qt::RightButton ? 2 : 0) |
                                                  (held & Qt::MiddleButton ? 4 : 0));
    const auto shift = static_cast<std::int16_t>((keys & Qt::ShiftModifier ? 1 : 0) | (keys & Qt::ControlModifier ? 2 : 0) |
                                                 (keys & Qt::AltModifier ? 4 : 0));
    const QPointF at = event->position();
    mouse_move_(button, shift, static_cast<float>(at.x() * to_twips(1)), static_cast<float>(at.y() * to_twips(1)));
}

}  // namespace tk::qt
