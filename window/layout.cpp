// The main window's description as data.
#include "window/layout.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace window {

namespace {

constexpr Font times_12{"Times New Roman", 12.0};
constexpr Font times_20{"Times New Roman", 20.25};
constexpr std::int32_t blue = 0x0000FF, dark_red = 0x800000, red = 0xFF0000;

using enum ControlType;

constexpr ControlSpec named[] = {
    {.name = "Frame3", .type = Frame, .caption = u"Indicadores", .left = 4575, .top = 0, .width = 4215, .height = 1215, .tab_index = 4, .font = times_12, .colour = blue},
    {.name = "Frame2", .type = Frame, .caption = u"Controles", .left = 75, .top = 0, .width = 4440, .height = 1215, .tab_index = 1, .font = times_12, .colour = blue},
    {.name = "Frame1", .type = Frame, .left = 75, .top = 1200, .width = 8715, .height = 5340, .tab_index = 0, .enabled = false, .accessible_name = u"Tablero"},

    {.name = "Timer1", .type = Timer, .container = "Frame3", .left = 1500, .top = 450},
    {.name = "txttiempo", .type = TextBox, .container = "Frame3", .left = 2850, .top = 450, .width = 915, .height = 615, .tab_index = 69, .font = times_20, .colour = red, .centred = true, .multi_line = true, .locked = true, .accessible_name = u"Tiempo"},
    {.name = "txtfallados", .type = TextBox, .container = "Frame3", .left = 1725, .top = 450, .width = 615, .height = 615, .tab_index = 8, .font = times_20, .colour = red, .centred = true, .multi_line = true, .locked = true, .accessible_name = u"Fallados"},
    {.name = "txtacertados", .type = TextBox, .container = "Frame3", .left = 600, .top = 450, .width = 615, .height = 615, .tab_index = 7, .font = times_20, .colour = red, .centred = true, .multi_line = true, .locked = true, .accessible_name = u"Acertados"},
    {.name = "Label3", .type = Label, .container = "Frame3", .caption = u"Tiempo", .left = 2925, .top = 225, .width = 690, .height = 240, .tab_index = 70, .colour = dark_red},
    {.name = "imglist1", .type = ImageList, .container = "Frame3", .left = 75, .top = 375},
    {.name = "Label2", .type = Label, .container = "Frame3", .caption = u"Fallados", .left = 1725, .top = 225, .width = 690, .height = 240, .tab_index = 6, .colour = dark_red},
    {.name = "Label1", .type = Label, .container = "Frame3", .caption = u"Acertados", .left = 525, .top = 225, .width = 765, .height = 240, .tab_index = 5, .colour = dark_red},

    {.name = "btndetener", .type = CommandButton, .container = "Frame2", .caption = u"De&tener", .left = 1800, .top = 300, .width = 915, .height = 765, .tab_index = 132, .picture = "detener", .graphical = true, .enabled = false},
    {.name = "btnsalir", .type = CommandButton, .container = "Frame2", .caption = u"Sa&lir", .left = 3075, .top = 300, .width = 915, .height = 765, .tab_index = 3, .picture = "salir", .graphical = true},
    {.name = "btniniciar", .type = CommandButton, .container = "Frame2", .caption = u"&Iniciar", .left = 525, .top = 300, .width = 915, .height = 765, .tab_index = 2, .picture = "iniciar", .graphical = true},
    {.name = "Label5", .type = Label, .container = "Frame2", .left = 75, .top = 375, .width = 390, .height = 315, .tab_index = 131},
};

// The card arrays: element i at row i / 10, column i % 10 of Frame1.
constexpr int columns = 10, rows = 6;
constexpr double grid_origin = 300, grid_pitch = 825, card_size = 700;
constexpr std::int16_t face_tab_base = 9, back_tab_base = 71;

constexpr ControlSpec card(const char* name, std::int16_t i, std::int16_t tab_base, bool graphical)
{
    return {.name = name, .index = i, .type = CommandButton, .container = "Frame1",
            .left = grid_origin + grid_pitch * (i % columns), .top = grid_origin + grid_pitch * (i / columns),
            .width = card_size, .height = card_size, .tab_index = static_cast<std::int16_t>(tab_base + i),
            .graphical = graphical};
}

constexpr std::size_t card_count = columns * rows;

constexpr auto all_controls = [] {
    std::array<ControlSpec, std::size(named) + 2 * card_count> all{};
    std::size_t n = 0;
    for (const ControlSpec& spec : named)
        all[n++] = spec;
    // Backs above faces, each array from its last element down.
    for (auto i = static_cast<std::int16_t>(card_count - 1); i >= 0; --i)
        all[n++] = card("btnsuperior", i, back_tab_base, false);
    for (auto i = static_cast<std::int16_t>(card_count - 1); i >= 0; --i)
        all[n++] = card("btnimagen", i, face_tab_base, true);
    return all;
}();

}  // namespace

const WindowSpec frmprincipal_window = {
    .caption = u"KAVREL Soluciones - Duplimo",
    .client_width = 8880,
    .client_height = 6600,
    .icon = "icono",
    .font = {nullptr, 8.0},  // the toolkit's default face
};

std::span<const ControlSpec> frmprincipal_controls()
{
    return all_controls;
}

const ControlSpec& frmprincipal_control(std::string_view name)
{
    for (const ControlSpec& spec : all_controls)
        if (spec.name == name)
            return spec;
    std::fprintf(stderr, "the window description has no %.*s\n", static_cast<int>(name.size()), name.data());
    std::abort();
}

std::span<const char16_t* const> card_picture_names()
{
    static constexpr const char16_t* names[] = {
#include "window/pictures/card_names.inc"
    };
    return names;
}

}  // namespace window
