// The arrow keys over the board.
#include "window/board_keys.h"

#include "game/board.h"
#include "window/layout.h"

#include <array>
#include <cmath>
#include <tuple>

namespace window {

namespace {

// A cell's place: the top left corner of its back, in twips.
struct Place {
    double x, y;
};

Place place(int cell)
{
    static const auto places = [] {
        std::array<Place, game::cells> all{};
        for (const ControlSpec& spec : frmprincipal_controls())
            if (spec.index >= 0 && !spec.graphical)
                all.at(static_cast<std::size_t>(spec.index)) = {spec.left, spec.top};
        return all;
    }();
    return places.at(static_cast<std::size_t>(cell));
}

}  // namespace

int arrow_target(int from, Arrow key, const std::function<bool(int cell)>& on_board)
{
    const bool across = key == Arrow::Left || key == Arrow::Right;
    const bool forward = key == Arrow::Right || key == Arrow::Down;
    const Place here = place(from);
    int best = from;
    std::tuple<bool, double, double, double> best_distance;
    for (int cell = 0; cell < game::cells; ++cell) {
        if (cell == from || !on_board(cell))
            continue;
        const Place there = place(cell);
        const Place d = forward ? Place{there.x - here.x, there.y - here.y} : Place{here.x - there.x, here.y - there.y};
        const bool ahead = across ? d.y > 0 || (d.y == 0 && d.x > 0) : d.y > 0;
        const auto distance = across ? std::tuple(false, d.y, d.x, 0.0) : std::tuple(d.x != 0, d.y, std::abs(d.x), there.x);
        if (ahead && (best == from || distance < best_distance))
            best = cell, best_distance = distance;
    }
    return best;
}

}  // namespace window
