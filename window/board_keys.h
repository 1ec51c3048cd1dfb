// The arrow keys over the board: where each takes the keyboard, the same
// on every front end.
#pragma once

#include <functional>

namespace window {

enum class Arrow { Left, Right, Up, Down };

// The cell the key takes the keyboard to from cell `from`: the nearest cell
// on the board straight along its row or column. Where there is none, Left
// and Right go on to the previous or next cell in reading order, so that
// they reach every cell on the board, and Up and Down to the nearest row
// that way, to its cell nearest in column (the left one of two as near).
// Returns `from` where the key leads nowhere.
int arrow_target(int from, Arrow key, const std::function<bool(int cell)>& on_board);

}  // namespace window
