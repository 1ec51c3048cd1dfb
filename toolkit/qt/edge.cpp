// Outlines that stand out.
#include "toolkit/qt/edge.h"

#include "toolkit/qt/contrast.h"

#include <QEvent>
#include <QPainter>
#include <QPushButton>

#include <map>
#include <utility>

namespace tk::qt {

QColor edge_colour(const QPalette& palette, bool highlighted)
{
    const QColor window = palette.color(QPalette::Window);
    const QColor style = highlighted ? palette.color(QPalette::Highlight).darker(125) : window.darker(140);
    // Every control of a palette asks for the same two colours, at every
    // paint.
    static std::map<std::pair<QRgb, QRgb>, QColor> known;
    const auto key = std::pair(window.rgb(), style.rgb());
    auto found = known.find(key);
    if (found == known.end())
        found = known.emplace(key, readable(style, window, edge_contrast, palette.color(QPalette::WindowText))).first;
    return found->second;
}

void draw_edge(QWidget* control)
{
    const auto* button = qobject_cast<const QPushButton*>(control);
    const bool highlighted = control->hasFocus() || (button && button->isDefault());
    QPainter painter(control);
    painter.setPen(edge_colour(control->palette(), highlighted));
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
