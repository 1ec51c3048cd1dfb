// Painting of the focus mark.
#include "toolkit/qt/focusmark.h"

#include "toolkit/qt/edge.h"
#include "toolkit/qt/look.h"

#include <QKeyEvent>
#include <QPainter>

namespace tk::qt {

void draw_focus_mark(QWidget* control, int inset)
{
    if (!control->hasFocus())
        return;
    QPainter painter(control);
    painter.setPen(QPen(Look::of(control).focus_mark(), 1, Qt::DotLine));
    painter.drawRect(control->rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

void MarkedButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    draw_edge(this);
    draw_focus_mark(this, 3);
}

void MarkedButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || autoDefault() || isDefault()) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        animateClick();
}

}  // namespace tk::qt
