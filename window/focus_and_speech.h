// Where the keyboard goes as the game goes on, and what a screen reader is
// told that the focus does not show: after a deal, a turn, a miss, a match,
// a pause and the last pair, and before a message box. Decided here for
// every front end, over the game's controls and the cells of its board;
// the front end carries it out.
#pragma once

#include "toolkit/frontend.h"
#include "toolkit/runtime.h"

namespace game {
struct Form;
}

namespace window {

class FocusAndSpeech {
public:
    enum class Command { Start, PauseContinue, Exit, Pick };

    // Takes charge of the keyboard on the cards of the form's board, and
    // of what opens a message box, in the front end that shows the form.
    FocusAndSpeech(tk::FrontEnd& front_end, game::Form& form);

    // Around each command a player gives.
    void before(Command command);
    void after(Command command);

private:
    // What a player sees of the score and the game's course.
    struct Seen {
        tk::Text hits, misses;
        bool pause_enabled;
    };
    Seen seen() const;
    // What a player sees in a cell: its back, its face turned up, or
    // nullptr once it is off the board.
    tk::Control* showing(int cell) const;
    // The cell whose face the control is, or -1.
    int face_cell(const tk::Control* control) const;
    tk::Control* after_leaving(int cell, tk::Control* now);
    tk::BoxSetting before_message_box();
    void say_counter(const char* name, const tk::Text& value);

    tk::FrontEnd& front_end_;
    game::Form& form_;
    Seen before_;
    int turned_cell_ = -1;   // whose face the command under way turned up, with the keyboard
    bool picking_ = false;   // a Pick under way
    int judged_cell_ = -1;   // whose turned card had the keyboard at a result
};

}  // namespace window
