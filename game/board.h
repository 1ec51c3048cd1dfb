// The board of sixty cells, the counter texts, and the deal.
#pragma once

#include "game/form.h"
#include "toolkit/convert.h"
#include "toolkit/random.h"

#include <array>
#include <cstdint>

namespace game {

constexpr std::int16_t cells = 60;
constexpr std::int16_t pairs = 30;

// Counter texts: reset gives "0"; an increment takes the leading number of
// the text, adds one in double precision and writes the shortest form back.
tk::Text counter_reset();
tk::Text counter_next(const tk::Text& counter);

// Cells already dealt: first and second cell of each accepted pair.
struct Placement {
    std::array<std::int16_t, 61> primeros{};
    std::array<std::int16_t, 61> segundos{};
    std::int16_t placed = 0;

    // A candidate pair is free when its cells differ and neither is a cell
    // of a pair accepted before.
    bool is_free(std::int16_t x, std::int16_t y) const;
};

// One cell drawn at random: r * 59 to the nearest integer, halves to even,
// so cells 0 and 59 come half as often as the others.
std::int16_t draw_cell(tk::Random& random);

// Draws candidates until one is free, records it and returns the number of
// candidates it took.
int place_next_pair(Placement& placement, tk::Random& random);

// Resets every cell and deals thirty pairs: pair p shows picture p + 1 on
// both its faces, and both backs carry the key of its second cell.
void asignar_imagenes(Form& f);

}  // namespace game
