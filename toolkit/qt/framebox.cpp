// Painting of a classic frame.
#include "toolkit/qt/framebox.h"

#include "toolkit/qt/look.h"
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

    // Etched: a shadow line with a light line just inside and below it.
    const QPalette& colours = palette();
    const Look& look = Look::of(this);
    painter.setPen(look.frame_dark());
    painter.drawRect(0, top, right - 1, bottom - top - 1);
    painter.setPen(look.frame_light());
    painter.drawLine(1, top + 1, right - 2, top + 1);
    painter.drawLine(1, top + 1, 1, bottom - 2);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, top, right, bottom);

    if (title().isEmpty())
        return;
    painter.fillRect(caption, colours.brush(QPalette::Window));
    QPalette text = colours;
    if (caption_colour_.isValid())
        text.setColor(QPalette::WindowText, look.text(caption_colour_, Look::Text::Small));
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, text, isEnabled(), title(),
                          QPalette::WindowText);
}

}  // namespace tk::qt
