// Painting of a graphical command button.
#include "toolkit/qt/picturebutton.h"

#include "toolkit/qt/edge.h"
#include "toolkit/qt/focusmark.h"
#include "toolkit/qt/look.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tk::qt {

void PictureButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);  // bevel and focus

    const QFontMetrics metrics(font());
    const QSize picture = iconSize();
    const int gap = 2;
    QRect content(0, (height() - picture.height() - gap - metrics.height()) / 2, width(), picture.height() + gap + metrics.height());
    if (isDown())
        content.translate(1, 1);  // pressed in, as the bevel is

    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap pixmap = Look::of(this).picture(icon(), picture, devicePixelRatio(), mode);
    painter.drawPixmap(content.left() + (content.width() - picture.width()) / 2, content.top(), pixmap);
    const QRect text(content.left(), content.top() + picture.height() + gap, content.width(), metrics.height());
    painter.drawItemText(text, Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic, palette(), isEnabled(), caption,
                         QPalette::ButtonText);
    painter.end();
    draw_edge(this);
    draw_focus_mark(this, 3);
}

}  // namespace tk::qt
