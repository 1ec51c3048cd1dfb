// Centring a window on the screen.
#pragma once

#include "toolkit/controls.h"

namespace window {

// Where a window of the given outer size starts so that it stands centred
// on a screen of the given size: (screen - window) / 2 in single precision,
// half twips kept, negative when the window is the larger.
float centred_origin(double screen_size, double window_size);

// Centres the window on the screen, horizontally first; nothing is clamped.
void centrar_formulario(tk::Window& window);

}  // namespace window
