// The headless front end: no toolkit at all. Message boxes are answered by
// a hook, what is said is kept, and the keyboard focus is a pointer moved
// as the window's policy decides.
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
    void set_focus(Control* control) override { focus_ = control; }
    void set_focus_rule(FocusRule rule) override { focus_rule_ = std::move(rule); }
    void say(const Text& text) override { said_.push_back(text); }

private:
    struct Cell {
        Control* back;
        Control* face;
        Control* showing;
    };
    std::vector<Cell> cells_;
    Answer answer_;
    FocusRule focus_rule_;
    Control* focus_ = nullptr;
    std::vector<Text> said_;
    bool box_open_ = false;
    bool ended_ = false;
};

}  // namespace tk::headless
