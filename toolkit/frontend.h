// What the run time and the window's policy of focus and speech need from
// a front end beside the controls: message boxes, the end of the program,
// the keyboard focus and announcements.
#pragma once

#include "toolkit/controls.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace tk {

// Message box styles and answers, as the Windows message-box values.
enum : std::int16_t {
    MB_OK = 0,
    MB_YESNO = 4,
    MB_ICONERROR = 16,
    MB_ICONQUESTION = 32,
    MB_ICONWARNING = 48,
    MB_ICONINFORMATION = 64,
};
enum : std::int16_t {
    IDOK = 1,
    IDYES = 6,
    IDNO = 7,
};

struct MessageBoxCall {
    Text prompt;
    std::int16_t style;
    Text title;
};

// The window's part in a message box, decided as it opens: the controls
// the box must leave in view, and whether the window's keyboard goes back
// to where it was once the box closes, or stays with the window itself for
// the window to place when its handler has run.
struct BoxSetting {
    std::vector<const Control*> keep_in_view;
    bool focus_back = true;
};

class FrontEnd {
public:
    // Where the keyboard goes when the control showing in a cell of the
    // card grid changes while it has the keyboard: given the cell and what
    // it shows now (nullptr once off the board), returns the control to
    // take the keyboard, or nullptr to let it move on as the tab order does.
    using FocusRule = std::function<Control*(int cell, Control* now)>;

    // A message box modal to the program: shows the call, placed and closed
    // as the setting asks, and returns the button pressed (IDOK, IDYES,
    // IDNO; a box closed without a button answers IDNO, or IDOK where it
    // has only that).
    virtual std::int16_t message_box(const MessageBoxCall& call, const BoxSetting& setting) = 0;
    // The window goes away and every event loop stops, with the status.
    virtual void end(int status) = 0;

    // The control that has the window's keyboard, or nullptr.
    virtual Control* focus() const = 0;
    // Gives the control the keyboard; nullptr leaves it with the window.
    virtual void set_focus(Control* control) = 0;
    virtual void set_focus_rule(FocusRule rule) = 0;
    // Says a short text through a screen reader, the keyboard left where
    // it is.
    virtual void say(const Text& text) = 0;

protected:
    ~FrontEnd() = default;
};

}  // namespace tk
