// Outlines that stand out.
#include "toolkit/qt/edge.h"

#include "toolkit/qt/look.h"

#include <QEvent>
#include <QPainter>
#include <QPushButton>

namespace tk::qt {

void draw_edge(QWidget* control)
{
    const auto* button = qobject_cast<const QPushButton*>(control);
    const bool highlighted = control->hasFocus() || (button && button->isDefault());
    QPainter painter(control);
    painter.setPen(Look::of(control).edge(highlighted));
    painter.drawRect(control->rect().adjusted(0, 0, -1, -1));
}

bool EdgedTextBox::event(QEvent* event)
{
    // The frame is painted on the box itself, its text on the viewport.
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint)
        draw_edge(this);
    return handled;
}

}  // namespace tk::qt
