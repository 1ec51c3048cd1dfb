// The main window, built from its description, with its events wired to
// the game's handlers.
#pragma once

#include "game/form.h"
#include "toolkit/qt/frontend.h"
#include "toolkit/runtime.h"
#include "window/focus_and_speech.h"

#include <QWidget>

#include <memory>

namespace tk::qt {
class CardGrid;
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
    void build();
    void bind_form();
    void connect_events();
    template <class Widget>
    Widget* control(const char* name) const;

    tk::qt::CardGrid* grid_ = nullptr;
    tk::qt::FrontEnd front_end_{this};
    tk::Runtime runtime_{&front_end_};
    game::Form form_{runtime_};
    std::unique_ptr<FocusAndSpeech> focus_and_speech_;
};

}  // namespace window
