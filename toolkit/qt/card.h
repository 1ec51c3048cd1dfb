// A grid of cards. Each cell is a face that shows a picture and the plain
// back that lies over it, each a control of its own; the grid knows what a
// player sees in each cell and is the one place where that changes.
//
// A face is on show (drawn, in the tab chain, known to assistive
// technology) only while its own Visible flag is set and its back is
// hidden. The arrow keys move along the rows and columns of the cells on
// the board and on from row to row, reaching every cell on it.
#pragma once

#include "toolkit/qt/focusmark.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace tk::qt {

class CardBack;
class CardFace;
class CardGrid;

// What a face and a back share: their cell, their Visible flag, and the
// arrow keys.
class Card : public MarkedButton {
public:
    explicit Card(QWidget* parent) : MarkedButton(parent) {}
    int cell() const { return cell_; }

    // The control's Visible flag. A face is on show only while its back is
    // hidden too; the grid decides.
    bool shown() const { return shown_; }
    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class CardGrid;
    CardGrid* grid_ = nullptr;  // set by the grid
    int cell_ = -1;
    bool shown_ = true;
};

class CardFace : public Card {
    Q_OBJECT

public:
    explicit CardFace(QWidget* parent) : Card(parent) {}

    // What the picture shows, told to assistive technology while on show.
    const QString& picture_name() const { return picture_name_; }
    void set_picture(const QIcon& icon, const QString& name);

protected:
    // The picture in the face's own palette, whatever its state.
    void paintEvent(QPaintEvent* event) override;

private:
    QString picture_name_;
};

class CardBack : public Card {
    Q_OBJECT

public:
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt;
    // at: the position on the back in pixels, which the handler turns into
    // twips where a failure is reported.
    using MouseMove = std::function<void(std::int16_t button, std::int16_t shift, QPointF at)>;

    explicit CardBack(QWidget* parent) : Card(parent) {}

    // Reports mouse moves, with the button and modifier state and the
    // position, as long as the back is enabled and shown.
    void on_mouse_move(MouseMove handler);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    MouseMove mouse_move_;
};

// The cells in index order. A change of what a cell shows raises the
// events that assistive technology follows (the old control leaves the
// frame's children, the new one joins them) and, where the control that
// leaves has the keyboard, asks the focus rule where it goes.
class CardGrid : public QObject {
    Q_OBJECT

public:
    // cell: the cell that changed; now: what it shows now, or nullptr.
    // Returns the control to take the keyboard, or nullptr to let Qt move
    // it along the tab chain.
    using FocusRule = std::function<QWidget*(int cell, QWidget* now)>;

    // The grid of the cards in frame, which lists them for assistive
    // technology; it belongs to the frame.
    explicit CardGrid(QWidget* frame) : QObject(frame) {}
    static const CardGrid* of(const QWidget* frame);

    // Adds the next cell: back lying over face, in the same rectangle.
    void add(CardBack* back, CardFace* face);
    int count() const { return static_cast<int>(cells_.size()); }
    CardBack* back(int cell) const { return cells_.at(static_cast<std::size_t>(cell)).back; }
    CardFace* face(int cell) const { return cells_.at(static_cast<std::size_t>(cell)).face; }
    // What a player sees in the cell: its back, its face turned up, or
    // nullptr once it is off the board.
    QWidget* showing(int cell) const { return cells_.at(static_cast<std::size_t>(cell)).showing; }
    // What the cells show, in cell order.
    QList<QWidget*> on_show() const;

    void set_focus_rule(FocusRule rule) { focus_rule_ = std::move(rule); }

private:
    friend class Card;
    struct Cell {
        CardBack* back;
        CardFace* face;
        QWidget* showing;
    };
    // Brings the widgets in line with their Visible flags.
    void update(int cell);

    std::vector<Cell> cells_;
    FocusRule focus_rule_;
};

}  // namespace tk::qt
