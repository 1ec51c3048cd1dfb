// The main window, built from its description, with its events wired to
// the game's handlers.
#pragma once

#include "game/form.h"
#include "toolkit/runtime.h"

#include <QWidget>

#include <array>

class QAbstractButton;

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

private:
    void build();
    void bind_form();
    void connect_events();
    template <class Widget>
    Widget* control(const char* name) const;

    std::array<QAbstractButton*, 60> face_widgets_{};
    std::array<QAbstractButton*, 60> back_widgets_{};
    tk::Runtime runtime_{this};
    game::Form form_{runtime_};
};

}  // namespace window
