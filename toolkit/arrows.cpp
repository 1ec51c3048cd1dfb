// The arrow keys over the board.
#include "toolkit/arrows.h"

#include <cmath>
#include <tuple>

namespace tk {

int arrow_target(int from, Arrow key, int count, const std::function<std::optional<Place>(int cell)>& place)
{
    const std::optional<Place> start = place(from);
    if (!start)
        return from;
    const bool across = key == Arrow::Left || key == Arrow::Right;
    const bool forward = key == Arrow::Right || key == Arrow::Down;
    const Place here = *start;
    int best = from;
    std::tuple<bool, double, double, double> best_distance;
    for (int cell = 0; cell < count; ++cell) {
        const std::optional<Place> there = cell == from ? std::nullopt : place(cell);
        if (!there)
            continue;
        const Place d = forward ? Place{there->x - here.x, there->y - here.y} : Place{here.x - there->x, here.y - there->y};
        const bool ahead = across ? d.y > 0 || (d.y == 0 && d.x > 0) : d.y > 0;
        const auto distance =
            across ? std::tuple(false, d.y, d.x, 0.0) : std::tuple(d.x != 0, d.y, std::abs(d.x), there->x);
        if (ahead && (best == from || distance < best_distance))
            best = cell, best_distance = distance;
    }
    return best;
}

}  // namespace tk
