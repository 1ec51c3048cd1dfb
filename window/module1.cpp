// Centring a window on the screen.
#include "window/module1.h"

#include <cmath>

namespace window {

float centred_origin(double screen_size, double window_size)
{
    const double origin = (screen_size - window_size) / 2.0;
    if (!std::isfinite(origin))
        tk::raise(tk::ERR_OVERFLOW);
    return static_cast<float>(origin);
}

void centrar_formulario(tk::Window& window)
{
    const double window_width = window.width();
    window.set_left(centred_origin(tk::screen::width(), window_width));
    const double window_height = window.height();
    window.set_top(centred_origin(tk::screen::height(), window_height));
}

}  // namespace window
