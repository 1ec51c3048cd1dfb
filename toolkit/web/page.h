// The web front end: the headless front end's window, shown by the page's
// own controls. The page holds them from the start (index.html, written
// from the window's description); this view attaches to them by name,
// keeps them as the game's state changes, and answers the message boxes
// in a dialog of the page, the program waiting on it through Asyncify.
#pragma once

#include "toolkit/headless/game_window.h"

#include <unordered_map>

namespace tk::web {

class Page final : public headless::View {
public:
    explicit Page(headless::GameWindow& window);
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    // From now on the page's events reach the program's exports, which
    // must find the page.
    void listen();
    // The control the page numbers k, or nullptr.
    Control* control(int k);

    void changed(const Control& control, Change what) override;
    void focused(const Control* control) override;
    void said(const Text& text) override;
    void ended(int status) override;

private:
    std::int16_t answer(const MessageBoxCall& call, const BoxSetting& setting);
    int number(const Control* control) const;
    void show_cell(int cell);

    headless::GameWindow& window_;
    std::vector<Control*> controls_;
    std::unordered_map<const Control*, int> numbers_;
    bool box_shown_ = false;
};

}  // namespace tk::web
