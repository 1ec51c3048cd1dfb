// The deal: reset every cell, then place thirty pairs by rejection sampling.
#include "game/board.h"

namespace game {

tk::Text counter_reset()
{
    return tk::cstr(std::int32_t{0});
}

tk::Text counter_next(const tk::Text& counter)
{
    return tk::cstr(tk::add_checked(tk::val(counter), 1.0));
}

bool Placement::is_free(std::int16_t x, std::int16_t y) const
{
    if (x == y)
        return false;
    for (std::int16_t k = 0; k < placed; ++k) {
        const std::int16_t first = primeros[static_cast<std::size_t>(k)];
        const std::int16_t second = segundos[static_cast<std::size_t>(k)];
        if (x == first || x == second || y == first || y == second)
            return false;
    }
    return true;
}

std::int16_t draw_cell(tk::Random& random)
{
    return tk::cint(static_cast<double>(random.next()) * 59.0);
}

int place_next_pair(Placement& placement, tk::Random& random)
{
    int candidates = 0;
    std::int16_t x, y;
    do {
        x = draw_cell(random);
        y = draw_cell(random);
        ++candidates;
    } while (!placement.is_free(x, y));
    const auto p = static_cast<std::size_t>(placement.placed);
    placement.primeros.at(p) = x;
    placement.segundos.at(p) = y;
    placement.placed = tk::add16(placement.placed, 1);
    return candidates;
}

void asignar_imagenes(Form& f)
{
    f.runtime.randomize();

    for (std::int16_t i = 0; i < cells; ++i) {
        f.btnimagen(i).set_picture(tk::load_picture());
        f.btnimagen(i).set_visible(true);
        f.btnsuperior(i).set_visible(true);
    }

    for (std::int16_t i = 0; i < cells; ++i)
        f.btnsuperior(i).set_tag(tk::cstr(f.btnsuperior(i).index()));

    Placement placement;
    for (std::int16_t p = 0; p < pairs; ++p) {
        place_next_pair(placement, f.runtime.random());
        const std::int16_t x = placement.primeros[static_cast<std::size_t>(p)];
        const std::int16_t y = placement.segundos[static_cast<std::size_t>(p)];
        f.btnimagen(x).set_picture(f.imglist1.picture(tk::add16(p, 1)));
        f.btnimagen(y).set_picture(f.imglist1.picture(tk::add16(p, 1)));
        // y is still free, so its key is its own index.
        f.btnsuperior(x).set_tag(f.btnsuperior(y).tag());
    }
}

}  // namespace game
