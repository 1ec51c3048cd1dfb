// The headless front end's screen: a size and a pixel, set by whoever
// drives it.
#pragma once

namespace tk::headless {

// In twips; 1024 x 768 pixels at 96 dpi until set.
inline double screen_width = 1024 * 15;
inline double screen_height = 768 * 15;
inline double twips_per_pixel = 15;

}  // namespace tk::headless
