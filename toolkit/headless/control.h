// The headless front end's controls: plain state, no toolkit.
#pragma once

#include "toolkit/controls.h"

#include <functional>
#include <string>

namespace tk {

namespace headless {
class FrontEnd;

// What draws the controls, told of every change a player could see or
// hear. The headless front end draws nothing and needs none; a front end
// that shows its state (the web one) supplies one.
class View {
public:
    enum class Change { Visible, Enabled, Caption, Text, Picture, Interval };
    virtual void changed(const Control& control, Change what) = 0;
    // The keyboard went to the control, or to the window itself (nullptr).
    virtual void focused(const Control* control) = 0;
    virtual void said(const Text& text) = 0;
    virtual void ended(int status) = 0;

protected:
    ~View() = default;
};
}  // namespace headless

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
    headless::View* view = nullptr;
};

}  // namespace tk
