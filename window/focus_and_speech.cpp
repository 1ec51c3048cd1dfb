// The keyboard and the screen reader's policy: the one place that decides
// where the focus goes and what is said.
#include "window/focus_and_speech.h"

#include "game/board.h"
#include "game/form.h"
#include "toolkit/caption.h"
#include "window/layout.h"

namespace window {

namespace {

tk::Text text_of(const char16_t* text)
{
    return text ? tk::Text(text) : tk::Text();
}

}  // namespace

FocusAndSpeech::FocusAndSpeech(tk::FrontEnd& front_end, game::Form& form)
    : front_end_(front_end), form_(form), before_(seen())
{
    front_end_.set_focus_rule([this](int cell, tk::Control* now) { return after_leaving(cell, now); });
    form_.runtime.set_before_message_box([this] { return before_message_box(); });
}

FocusAndSpeech::Seen FocusAndSpeech::seen() const
{
    return {form_.txtacertados.text(), form_.txtfallados.text(), form_.btndetener.enabled()};
}

tk::Control* FocusAndSpeech::showing(int cell) const
{
    const auto i = static_cast<std::int16_t>(cell);
    if (form_.btnsuperior(i).visible())
        return form_.btnsuperior(i).control();
    if (form_.btnimagen(i).visible())
        return form_.btnimagen(i).control();
    return nullptr;
}

int FocusAndSpeech::face_cell(const tk::Control* control) const
{
    for (std::int16_t cell = 0; control && cell < game::cells; ++cell)
        if (form_.btnimagen(cell).control() == control)
            return cell;
    return -1;
}

void FocusAndSpeech::before(Command command)
{
    before_ = seen();
    turned_cell_ = -1;
    picking_ = command == Command::Pick;
    judged_cell_ = -1;
    // Start disables itself; the keyboard goes straight to the board after
    // the deal, without a stop on the way.
    if (command == Command::Start)
        front_end_.set_focus(nullptr);
}

void FocusAndSpeech::after(Command command)
{
    turned_cell_ = -1;
    picking_ = false;
    if (!form_.runtime.running())
        return;
    switch (command) {
    case Command::Start:  // on the first card
        if (form_.Frame1.enabled())
            for (int cell = 0; cell < game::cells; ++cell)
                if (tk::Control* card = showing(cell); card && tk::Button(card).enabled()) {
                    front_end_.set_focus(card);
                    break;
                }
        break;
    case Command::PauseContinue:  // on the button, which says what it now does
        if (front_end_.focus() == form_.btndetener.control())
            front_end_.say(tk::shown_caption(form_.btndetener.caption()));
        else if (form_.btndetener.enabled())
            front_end_.set_focus(form_.btndetener.control());
        break;
    case Command::Pick: {  // the new score is said; after the last pair, on Start
        // Where a result took the keyboard from a turned card, it goes to
        // what now shows in its cell, or on to the next card on the board.
        if (judged_cell_ >= 0)
            if (tk::Control* next = after_leaving(judged_cell_, showing(judged_cell_)))
                front_end_.set_focus(next);
        judged_cell_ = -1;
        const Seen now = seen();
        if (now.hits != before_.hits)
            say_counter("txtacertados", now.hits);
        else if (now.misses != before_.misses)
            say_counter("txtfallados", now.misses);
        if (before_.pause_enabled && !now.pause_enabled)
            front_end_.set_focus(form_.btniniciar.control());
        break;
    }
    case Command::Exit:
        break;
    }
}

// The keyboard stays on its cell: on the face while the card is turned, on
// the back once it is turned back. When the cell leaves the board, it goes
// on to the next cell still on it, in index order, wrapping round.
tk::Control* FocusAndSpeech::after_leaving(int cell, tk::Control* now)
{
    if (now) {
        if (face_cell(now) >= 0)
            turned_cell_ = cell;
        return now;
    }
    for (int k = 1; k < game::cells; ++k)
        if (tk::Control* next = showing((cell + k) % game::cells))
            return next;
    return nullptr;
}

// A box that takes the keyboard from a card turned just now would keep a
// screen reader from telling its picture: it is told first. No box hides a
// card that is turned up. The answer to a result turns or takes off the
// card that had the keyboard: it stays with the window until then, rather
// than come back, for a moment, to a card about to be covered.
tk::BoxSetting FocusAndSpeech::before_message_box()
{
    tk::BoxSetting setting;
    const tk::Control* focus = front_end_.focus();
    if (turned_cell_ >= 0 && focus == form_.btnimagen(static_cast<std::int16_t>(turned_cell_)).control()) {
        const tk::Picture picture = form_.btnimagen(static_cast<std::int16_t>(turned_cell_)).picture();
        if (!picture.empty())
            front_end_.say(text_of(card_picture_names()[static_cast<std::size_t>(picture.number() - 1)]));
    }
    if (const int cell = face_cell(focus); cell >= 0 && picking_) {
        judged_cell_ = cell;
        setting.focus_back = false;
    }
    for (int cell = 0; cell < game::cells; ++cell)
        if (const tk::Control* card = showing(cell); face_cell(card) == cell)
            setting.keep_in_view.push_back(card);
    return setting;
}

void FocusAndSpeech::say_counter(const char* name, const tk::Text& value)
{
    front_end_.say(text_of(frmprincipal_control(name).accessible_name) + u' ' + value);
}

}  // namespace window
