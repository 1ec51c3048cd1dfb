// The arrow keys over the board of cards: where each takes the keyboard,
// the same on every front end.
#pragma once

#include <functional>
#include <optional>

namespace tk {

enum class Arrow { Left, Right, Up, Down };

// A cell's place on the screen: its top left corner, in any unit.
struct Place {
    double x, y;
};

// The cell the key takes the keyboard to from cell `from`, among cells 0
// to count - 1 and those of them on the board (place(cell) gives a place):
// the nearest cell straight along its row or column. Where there is none,
// Left and Right go on to the previous or next cell in reading order, so
// that they reach every cell on the board, and Up and Down to the nearest
// row that way, to its cell nearest in column (the left one of two as
// near). Returns `from` where the key leads nowhere.
int arrow_target(int from, Arrow key, int count, const std::function<std::optional<Place>(int cell)>& place);

}  // namespace tk
