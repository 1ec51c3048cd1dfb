// The headless front end's controls: plain state, no toolkit.
#pragma once

#include "toolkit/controls.h"

#include <functional>
#include <string>

namespace tk {

namespace headless {
class FrontEnd;
}

struct Control {
    std::string name;  // array elements end in _index
    std::int16_t index = -1;
    bool visible = true;
    bool enabled = true;
    Text caption, tag, text;
    Picture picture;
    std::int32_t interval = 0;  // timers: 0 stopped
    std::int16_t count = 0;     // image lists: pictures
    double left = 0, top = 0, width = 0, height = 0;  // twips; windows: outer
    std::function<void()> close;                      // windows: a request to close
    // Cards: their cell, and the front end to tell when one shows or hides.
    int cell = -1;
    headless::FrontEnd* front_end = nullptr;
};

}  // namespace tk
