// Cards: what a face offers while it can be seen, where the keyboard goes
// as cells turn and leave, and the backs' mouse moves.
#include "toolkit/qt/card.h"

#include "toolkit/qt/properties.h"
#include "toolkit/qt/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <cstdlib>
#include <tuple>

namespace tk::qt {

namespace {

int cell_of(const QWidget* card)
{
    return card->property(index_property).toInt();
}

// The control that a player sees in a cell still on the board: its back, or
// its turned face; nullptr for a cell taken off the board.
QWidget* on_board(CardBack* back)
{
    if (!back->isHidden())
        return back;
    return back->face() && back->face()->offered() ? back->face() : nullptr;
}

template <class Visit>
void for_each_cell(const QWidget* card, Visit visit)
{
    for (QObject* child : card->parentWidget()->children())
        if (auto* back = qobject_cast<CardBack*>(child); back && back->face())
            if (QWidget* target = on_board(back); target && cell_of(back) != cell_of(card))
                visit(back, target);
}

bool has_focus_in_window(const QWidget* widget)
{
    return widget->window()->focusWidget() == widget;
}

// Before a focused card leaves the board: the keyboard goes on to the next
// cell still on it, in index order, wrapping round. Without one Qt moves it
// along the tab chain.
void pass_focus_on(QWidget* card)
{
    if (!has_focus_in_window(card))
        return;
    const int here = cell_of(card);
    QWidget *after = nullptr, *first = nullptr;
    int after_cell = 0, first_cell = 0;
    for_each_cell(card, [&](CardBack* back, QWidget* target) {
        const int cell = cell_of(back);
        if (!first || cell < first_cell)
            first = target, first_cell = cell;
        if (cell > here && (!after || cell < after_cell))
            after = target, after_cell = cell;
    });
    if (QWidget* next = after ? after : first)
        next->setFocus(Qt::OtherFocusReason);
}

// An arrow key: the nearest cell on the board straight along the card's row
// or column. Where there is none, Left and Right go on to the previous or
// next cell in reading order, so that they reach every cell on the board,
// and Up and Down to the nearest row that way, to its cell nearest in
// column (the left one of two as near). Returns false for any other key.
bool arrow_to_neighbour(QWidget* card, int key)
{
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    const bool across = key == Qt::Key_Left || key == Qt::Key_Right;
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
    const QPoint here = card->geometry().topLeft();
    QWidget* best = nullptr;
    std::tuple<bool, int, int, int> best_distance;
    for_each_cell(card, [&](CardBack* back, QWidget* target) {
        const QPoint there = back->geometry().topLeft();
        const QPoint d = forward ? there - here : here - there;
        const bool ahead = across ? d.y() > 0 || (d.y() == 0 && d.x() > 0) : d.y() > 0;
        const auto distance = across ? std::tuple(false, d.y(), d.x(), 0)
                                     : std::tuple(d.x() != 0, d.y(), std::abs(d.x()), there.x());
        if (ahead && (!best || distance < best_distance))
            best = target, best_distance = distance;
    });
    if (best)
        best->setFocus(Qt::OtherFocusReason);
    return true;
}

}  // namespace

void draw_focus_mark(QWidget* control, int inset)
{
    if (!control->hasFocus())
        return;
    QPainter painter(control);
    QPen pen(control->palette().color(QPalette::ButtonText), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(control->rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

void MarkedButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    draw_focus_mark(this, 3);
}

// ---------------------------------------------------------------- Card

void Card::keyPressEvent(QKeyEvent* event)
{
    if (!arrow_to_neighbour(this, event->key()))
        QPushButton::keyPressEvent(event);
}

// ---------------------------------------------------------------- CardFace

void CardFace::setVisible(bool visible)
{
    shown_ = visible;
    update_offer();
}

void CardFace::set_covered(bool covered)
{
    covered_ = covered;
    update_offer();
}

void CardFace::update_offer()
{
    const bool offer = shown_ && !covered_;
    if (offer == offered_ && isHidden() == !offer)
        return;
    // Assistive technology hears of the face only while it is offered, so
    // the flag goes up before it shows and down after it is hidden.
    if (offer) {
        offered_ = true;
        QPushButton::setVisible(true);
    } else {
        pass_focus_on(this);
        QPushButton::setVisible(false);
        offered_ = false;
    }
}

void CardFace::set_picture(const QIcon& icon, const QString& name)
{
    setIcon(icon);
    picture_name_ = name;
}

void CardFace::changeEvent(QEvent* event)
{
    // Hidden under its back, a face has nothing to redraw, and telling
    // assistive technology of it would only double the events that the
    // board raises when it is enabled or disabled.
    if (event->type() == QEvent::EnabledChange && !offered_)
        return;
    QPushButton::changeEvent(event);
}


// ---------------------------------------------------------------- CardBack

void CardBack::cover(CardFace* face)
{
    face_ = face;
    face->set_covered(!isHidden());
}

void CardBack::setVisible(bool visible)
{
    if (!face_ || visible == !isHidden()) {
        QPushButton::setVisible(visible);
        return;
    }
    // The keyboard stays on the cell: on the face while the card is turned,
    // on the back again when it is turned back.
    if (!visible) {
        face_->set_covered(false);
        if (has_focus_in_window(this)) {
            if (face_->offered()) {
                face_->setFocus(Qt::OtherFocusReason);
                face_->just_turned_ = true;
                QTimer::singleShot(0, face_, [face = face_] { face->just_turned_ = false; });
            } else {
                pass_focus_on(this);
            }
        }
        QPushButton::setVisible(false);
    } else {
        QPushButton::setVisible(true);
        if (has_focus_in_window(face_))
            setFocus(Qt::OtherFocusReason);
        face_->set_covered(true);
    }
}

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

}  // namespace tk::qt
