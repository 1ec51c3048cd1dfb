// The headless front end.
#include "toolkit/headless/frontend.h"

namespace tk::headless {

void FrontEnd::add_cell(Control& back, Control& face)
{
    back.cell = face.cell = static_cast<int>(cells_.size());
    back.front_end = face.front_end = this;
    cells_.push_back({&back, &face, nullptr});
    cells_.back().showing = showing(back.cell);
}

Control* FrontEnd::showing(int cell) const
{
    const Cell& c = cells_.at(static_cast<std::size_t>(cell));
    return c.back->visible ? c.back : c.face->visible ? c.face : nullptr;
}

void FrontEnd::cell_changed(int cell)
{
    Cell& c = cells_.at(static_cast<std::size_t>(cell));
    Control* now = showing(cell);
    if (now == c.showing)
        return;
    Control* left = c.showing;
    c.showing = now;
    if (focus_ == left && left)
        set_focus(focus_rule_ ? focus_rule_(cell, now) : now);
}

void FrontEnd::set_focus(Control* control)
{
    focus_ = control;
    if (view_)
        view_->focused(control);
}

void FrontEnd::say(const Text& text)
{
    said_.push_back(text);
    if (view_)
        view_->said(text);
}

std::int16_t FrontEnd::message_box(const MessageBoxCall& call, const BoxSetting& setting)
{
    Control* had_focus = focus_;
    box_open_ = true;
    std::int16_t answer = (call.style & 0x0F) == MB_YESNO ? IDNO : IDOK;
    try {
        if (answer_)
            answer = answer_(call, setting);
    } catch (...) {
        box_open_ = false;
        throw;
    }
    box_open_ = false;
    // Back where it was, or with the window, for its handler to place.
    set_focus(setting.focus_back ? had_focus : nullptr);
    return answer;
}

void FrontEnd::end(int status)
{
    ended_ = true;
    if (view_)
        view_->ended(status);
}

}  // namespace tk::headless
