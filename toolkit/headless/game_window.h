// The main window on the headless front end: its controls built from the
// window's description as plain state, the game's handlers and the
// window's policy wired as on any front end, and a player's commands and
// the clock driven by whoever holds it.
#pragma once

#include "game/form.h"
#include "toolkit/arrows.h"
#include "toolkit/headless/frontend.h"
#include "toolkit/runtime.h"
#include "window/focus_and_speech.h"

#include <deque>
#include <memory>
#include <string_view>

namespace tk::headless {

class GameWindow {
public:
    GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    game::Form& form() { return form_; }
    Runtime& runtime() { return runtime_; }
    FrontEnd& front_end() { return front_end_; }
    // The control of that name (array elements end in _index), or nullptr.
    Control* control(std::string_view name);
    // Every control, the window first, then in the description's order.
    const std::deque<Control>& controls() const { return controls_; }
    // Shows the window: every change a player could see, the keyboard,
    // what is said and the end go to the view as well.
    void set_view(View* view);

    // Raises Load: centres the window.
    void load();

    // A click, as a player gives one: it reaches the game only from a
    // control that can take it (shown, enabled with its container, and
    // no message box open). Returns whether it did.
    bool click(Control* control);
    // The clock's tick, while the timer runs.
    void tick();
    // The mouse over a cell's back, with the shift state (1 Shift, 2 Ctrl,
    // 4 Alt), while the back is shown and enabled.
    void move_over(int cell, std::int16_t shift);
    // A close from the window system: asks, as every close does.
    void close();
    // An arrow key while a card has the keyboard: to the neighbouring cell.
    void arrow(Arrow key);

private:
    bool can_click(const Control* control) const;
    void query_unload(std::int16_t unload_mode);

    std::deque<Control> controls_;  // stable addresses
    FrontEnd front_end_;
    Runtime runtime_{&front_end_};
    game::Form form_{runtime_};
    std::unique_ptr<window::FocusAndSpeech> focus_and_speech_;
};

}  // namespace tk::headless
