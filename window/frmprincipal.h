// The main window, built from its description, with its events wired to
// the game's handlers.
#pragma once

#include "game/form.h"
#include "toolkit/runtime.h"

#include <QWidget>

#include <array>

namespace tk::qt {
class Announcer;
class CardBack;
class CardFace;
}  // namespace tk::qt

namespace window {

class Frmprincipal : public QWidget {
public:
    Frmprincipal();

    // Raises Load: centres the window. Call once, before the first show.
    void load();

    // The desktop session is ending: asks like any other close request.
    // Returns whether the close was refused, so that the session waits.
    bool session_ending();

    game::Form& form() { return form_; }
    tk::Runtime& runtime() { return runtime_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum class Command { Start, PauseContinue, Exit, Pick };
    // What a player sees of the score and the game's course.
    struct Seen {
        QString hits, misses;
        bool pause_enabled;
    };

    void build();
    void bind_form();
    void connect_events();
    template <class Widget>
    Widget* control(const char* name) const;
    Seen seen() const;
    void guide(Command command, const Seen& before);

    std::array<tk::qt::CardFace*, 60> face_widgets_{};
    std::array<tk::qt::CardBack*, 60> back_widgets_{};
    tk::qt::Announcer* announcer_ = nullptr;
    tk::Runtime runtime_{this};
    game::Form form_{runtime_};
};

}  // namespace window
