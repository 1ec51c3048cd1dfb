// Cards: the grid that decides what each cell shows, the arrow keys and
// the backs' mouse moves.
#include "toolkit/qt/card.h"

#include "toolkit/arrows.h"
#include "toolkit/qt/edge.h"
#include "toolkit/qt/look.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>


namespace tk::qt {

namespace {

// An arrow key: to the cell the board's rule gives (toolkit/arrows.h).
// Returns false for any other key.
bool arrow_to_neighbour(const CardGrid& grid, const Card* card, int key)
{
    Arrow arrow;
    switch (key) {
    case Qt::Key_Left: arrow = Arrow::Left; break;
    case Qt::Key_Right: arrow = Arrow::Right; break;
    case Qt::Key_Up: arrow = Arrow::Up; break;
    case Qt::Key_Down: arrow = Arrow::Down; break;
    default: return false;
    }
    const int to = arrow_target(card->cell(), arrow, grid.count(), [&grid](int cell) -> std::optional<Place> {
        if (const QWidget* shown = grid.showing(cell))
            return Place{static_cast<double>(shown->x()), static_cast<double>(shown->y())};
        return std::nullopt;
    });
    if (to != card->cell())
        grid.showing(to)->setFocus(Qt::OtherFocusReason);
    return true;
}

void tell_assistive_technology(QWidget* control, QAccessible::Event event)
{
    QAccessibleEvent change(control, event);
    QAccessible::updateAccessibility(&change);
}

}  // namespace

// ---------------------------------------------------------------- Card

void Card::setVisible(bool visible)
{
    shown_ = visible;
    if (grid_)
        grid_->update(cell());
    else
        QPushButton::setVisible(visible);
}

void Card::keyPressEvent(QKeyEvent* event)
{
    if (!grid_ || !arrow_to_neighbour(*grid_, this, event->key()))
        MarkedButton::keyPressEvent(event);
}

// ---------------------------------------------------------------- CardFace

void CardFace::set_picture(const QIcon& icon, const QString& name)
{
    setIcon(icon);
    picture_name_ = name;
}

void CardFace::paintEvent(QPaintEvent*)
{
    // The bevel as the style draws it, the picture where the style puts it.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const QSize size = iconSize();
    QRect picture(contents.x() + (contents.width() - size.width()) / 2, contents.y() + (contents.height() - size.height()) / 2,
                  size.width(), size.height());
    picture = QStyle::visualRect(layoutDirection(), contents, picture);
    if (option.state & (QStyle::State_On | QStyle::State_Sunken))
        picture.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                          style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    painter.drawPixmap(picture, Look::of(this).picture(icon(), size, devicePixelRatio(), mode));
    painter.end();
    draw_edge(this);
    draw_focus_mark(this, 3);
}

// ---------------------------------------------------------------- CardBack

void CardBack::on_mouse_move(MouseMove handler)
{
    mouse_move_ = std::move(handler);
    setMouseTracking(true);
}

void CardBack::mouseMoveEvent(QMouseEvent* event)
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
    mouse_move_(button, shift, event->position());
}

// ---------------------------------------------------------------- CardGrid

const CardGrid* CardGrid::of(const QWidget* frame)
{
    return frame->findChild<const CardGrid*>(QString(), Qt::FindDirectChildrenOnly);
}

void CardGrid::add(CardBack* back, CardFace* face)
{
    const int cell = count();
    QWidget* showing = back->shown() ? static_cast<QWidget*>(back) : face->shown() ? face : nullptr;
    cells_.push_back({back, face, showing});
    for (Card* card : {static_cast<Card*>(back), static_cast<Card*>(face)}) {
        card->grid_ = this;
        card->cell_ = cell;
    }
    update(cell);
}

QList<QWidget*> CardGrid::on_show() const
{
    QList<QWidget*> list;
    for (const Cell& cell : cells_)
        if (cell.showing)
            list.append(cell.showing);
    return list;
}

void CardGrid::update(int index)
{
    Cell& cell = cells_.at(static_cast<std::size_t>(index));
    const bool face_on_show = cell.face->shown() && !cell.back->shown();
    QWidget* const before = cell.showing;
    QWidget* const now = cell.back->shown() ? static_cast<QWidget*>(cell.back) : face_on_show ? cell.face : nullptr;
    // What comes shows first, so that it can take the keyboard from what
    // goes before Qt hands it on along the tab chain.
    if (cell.back->shown())
        cell.back->QPushButton::setVisible(true);
    if (face_on_show)
        cell.face->QPushButton::setVisible(true);
    cell.showing = now;
    const bool changed = before != now;
    if (changed && before && before->window()->focusWidget() == before && focus_rule_)
        if (QWidget* next = focus_rule_(index, now))
            next->setFocus(Qt::OtherFocusReason);
    // What goes is told while it is still what it was, what comes once it
    // is in place.
    if (changed && before)
        tell_assistive_technology(before, QAccessible::ObjectDestroyed);
    if (!face_on_show)
        cell.face->QPushButton::setVisible(false);
    if (!cell.back->shown())
        cell.back->QPushButton::setVisible(false);
    if (changed && now)
        tell_assistive_technology(now, QAccessible::ObjectCreated);
}

}  // namespace tk::qt
