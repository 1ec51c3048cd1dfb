// The headless front end: no toolkit at all. Message boxes are answered by
// a hook, what is said is kept, and the keyboard focus is a pointer moved
// as the window's policy decides. A view, where one is set, hears of the
// keyboard, what is said and the end, to show them.
#pragma once

#include "toolkit/frontend.h"
#include "toolkit/headless/control.h"

#include <vector>

namespace tk::headless {

class FrontEnd final : public tk::FrontEnd {
public:
    // Answers a message box in place of a person; without one, a box
    // answers as closed without a button.
    using Answer = std::function<std::int16_t(const MessageBoxCall&, const BoxSetting&)>;
    void set_answer(Answer answer) { answer_ = std::move(answer); }
    void set_view(View* view) { view_ = view; }

    // The card grid: back and face of each cell, in cell order.
    void add_cell(Control& back, Control& face);
    // A card of the cell showed or hid: what the cell shows may change.
    void cell_changed(int cell);
    // What a player sees in the cell: back, face, or nullptr.
    Control* showing(int cell) const;

    bool box_open() const { return box_open_; }
    bool ended() const { return ended_; }
    // Everything said, in order.
    const std::vector<Text>& said() const { return said_; }

    std::int16_t message_box(const MessageBoxCall& call, const BoxSetting& setting) override;
    void end(int status) override;
    Control* focus() const override { return focus_; }
    void set_focus(Control* control) override;
    void set_focus_rule(FocusRule rule) override { focus_rule_ = std::move(rule); }
    void say(const Text& text) override;

private:
    struct Cell {
        Control* back;
        Control* face;
        Control* showing;
    };
    std::vector<Cell> cells_;
    Answer answer_;
    View* view_ = nullptr;
    FocusRule focus_rule_;
    Control* focus_ = nullptr;
    std::vector<Text> said_;
    bool box_open_ = false;
    bool ended_ = false;
};

}  // namespace tk::headless
