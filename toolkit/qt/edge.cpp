// Outlines that stand out.
#include "toolkit/qt/edge.h"

#include "toolkit/qt/look.h"

#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QTextDocument>

namespace tk::qt {

void draw_edge(QWidget* control)
{
    const auto* button = qobject_cast<const QPushButton*>(control);
    const bool highlighted = control->hasFocus() || (button && button->isDefault());
    QPainter painter(control);
    painter.setPen(Look::of(control).edge(highlighted));
    painter.drawRect(control->rect().adjusted(0, 0, -1, -1));
}

EdgedTextBox::EdgedTextBox(const QString& text, Options options, QWidget* parent) : QPlainTextEdit(text, parent)
{
    setReadOnly(options.locked);
    setTextInteractionFlags(textInteractionFlags() | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(true);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(options.multi_line ? WidgetWidth : NoWrap);
    document()->setDocumentMargin(1);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(options.centred ? Qt::AlignHCenter : Qt::AlignLeft);
    document()->setDefaultTextOption(option);
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
