// Painting of a classic frame.
#include "toolkit/qt/framebox.h"

#include "toolkit/qt/contrast.h"
#include "toolkit/qt/edge.h"
#include "toolkit/qt/twips.h"

#include <QPainter>
#include <QStyle>

namespace tk::qt {

namespace {
// From the frame's left edge to its caption, and around the caption, in twips.
constexpr double caption_indent = 120, caption_padding = 30;
}  // namespace

FrameBox::FrameBox(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), indent_(to_pixels(caption_indent)), padding_(to_pixels(caption_padding))
{
}

QRect FrameBox::caption_rect() const
{
    const QFontMetrics metrics(font());
    const QString caption = title();
    if (caption.isEmpty())
        return QRect(indent_, 0, 0, metrics.height());
    return QRect(indent_, 0, metrics.horizontalAdvance(caption) + 2 * padding_, metrics.height());
}

void FrameBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect caption = caption_rect();
    const int top = caption.center().y();
    const int right = width() - 1, bottom = height() - 1;

    // Etched: a shadow line with a light line just inside and below it. On
    // a dark window the light line is what shows the frame: it stands out
    // by 3:1.
    const QPalette& colours = palette();
    const QColor window = colours.color(QPalette::Window);
    QColor light = colours.color(QPalette::Light);
    if (is_dark(window))
        light = readable(light, window, edge_contrast, colours.color(QPalette::WindowText));
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawRect(0, top, right - 1, bottom - top - 1);
    painter.setPen(light);
    painter.drawLine(1, top + 1, right - 2, top + 1);
    painter.drawLine(1, top + 1, 1, bottom - 2);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, top, right, bottom);

    if (title().isEmpty())
        return;
    painter.fillRect(caption, colours.brush(QPalette::Window));
    QPalette text = colours;
    if (caption_colour_.isValid())
        text.setColor(QPalette::WindowText, readable(caption_colour_, colours.color(QPalette::Window), normal_text_contrast,
                                                     colours.color(QPalette::WindowText), thin_strokes));
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, text, isEnabled(), title(),
                          QPalette::WindowText);
}

}  // namespace tk::qt
