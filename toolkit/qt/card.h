// A cell of a card grid: a face that shows a picture and the plain back that
// lies over it, each a control of its own.
//
// The face is offered to the player (drawn, in the tab chain, known to
// assistive technology) only while it can be seen: visible, with its back
// hidden. The keyboard stays on a cell while it is turned and turned back,
// moves on to the next cell still on the board when its cell leaves, and
// the arrow keys move along the rows and columns of the cells on the board
// and on from row to row, reaching every cell on it.
#pragma once

#include <QPushButton>

#include <cstdint>
#include <functional>

namespace tk::qt {

class CardBack;

// The classic focus mark: a dotted rectangle just inside the control's edge.
void draw_focus_mark(QWidget* control, int inset);

// A push button that shows the focus mark.
class MarkedButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// What a face and a back share: the arrow keys.
class Card : public MarkedButton {
public:
    explicit Card(QWidget* parent) : MarkedButton(parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class CardFace : public Card {
    Q_OBJECT

public:
    explicit CardFace(QWidget* parent) : Card(parent) {}

    // The control's Visible; the widget itself shows only while offered.
    bool shown() const { return shown_; }
    void setVisible(bool visible) override;
    bool offered() const { return offered_; }

    // What the picture shows, told to assistive technology while offered.
    const QString& picture_name() const { return picture_name_; }
    void set_picture(const QIcon& icon, const QString& name);

    // Turned by the command being handled, taking the keyboard with it.
    bool just_turned() const { return just_turned_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    friend class CardBack;
    void set_covered(bool covered);
    void update_offer();

    QString picture_name_;
    bool shown_ = true;
    bool covered_ = false;
    bool offered_ = true;
    bool just_turned_ = false;
};

class CardBack : public Card {
    Q_OBJECT

public:
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt;
    // at: the position on the back in pixels, which the handler turns into
    // twips where a failure is reported.
    using MouseMove = std::function<void(std::int16_t button, std::int16_t shift, QPointF at)>;

    explicit CardBack(QWidget* parent) : Card(parent) {}
    // Lays the back over face, which shares its rectangle.
    void cover(CardFace* face);
    CardFace* face() const { return face_; }
    void setVisible(bool visible) override;

    // Reports mouse moves, with the button and modifier state and the
    // position, as long as the back is enabled and shown.
    void on_mouse_move(MouseMove handler);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    CardFace* face_ = nullptr;
    MouseMove mouse_move_;
};

}  // namespace tk::qt
