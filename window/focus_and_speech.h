// Where the keyboard goes as the game goes on, and what a screen reader is
// told that the focus does not show: after a deal, a turn, a miss, a match,
// a pause and the last pair, and before a message box; and the pace at
// which the cards' changes of state are told.
#pragma once

#include "toolkit/runtime.h"

#include <QString>

#include <vector>

class QWidget;

namespace game {
struct Form;
}
namespace tk::qt {
class Announcer;
class CardFace;
class CardGrid;
class StateNews;
}  // namespace tk::qt

namespace window {

class FocusAndSpeech {
public:
    enum class Command { Start, PauseContinue, Exit, Pick };

    // Takes charge of the keyboard on the cards of grid, and of what opens
    // a message box, in window, whose controls the game sees as form.
    FocusAndSpeech(QWidget* window, game::Form& form, tk::qt::CardGrid& grid);

    // Around each command a player gives.
    void before(Command command);
    void after(Command command);

private:
    // What a player sees of the score and the game's course.
    struct Seen {
        QString hits, misses;
        bool pause_enabled;
    };
    Seen seen() const;
    QWidget* after_leaving(int cell, QWidget* now);
    tk::Runtime::BoxSetting before_message_box();
    void say_counter(QWidget* counter, const QString& value);

    QWidget* window_;
    game::Form& form_;
    tk::qt::CardGrid& grid_;
    tk::qt::Announcer* announcer_;
    tk::qt::StateNews* state_news_;
    Seen before_;
    tk::qt::CardFace* turned_ = nullptr;  // by the command under way, with the keyboard
    bool picking_ = false;                // a Pick under way
    int judged_cell_ = -1;                // whose turned card had the keyboard at a result
};

}  // namespace window
