// The game in a web page: the window is built and loaded at start-up, then
// the page's events reach it through these exports.
#include "toolkit/web/page.h"

#include <emscripten.h>

#include <memory>

namespace {

std::unique_ptr<tk::headless::GameWindow> game_window;
std::unique_ptr<tk::web::Page> page;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void duplimo_click(int k)
{
    game_window->click(page->control(k));
}

EMSCRIPTEN_KEEPALIVE void duplimo_tick()
{
    game_window->tick();
}

// The mouse over card back k, with the keys held (1 Shift, 2 Ctrl, 4 Alt).
EMSCRIPTEN_KEEPALIVE void duplimo_move(int k, int keys)
{
    if (const tk::Control* back = page->control(k); back && back->cell >= 0)
        game_window->move_over(back->cell, static_cast<std::int16_t>(keys & 7));
}

// 0 Left, 1 Right, 2 Up, 3 Down.
EMSCRIPTEN_KEEPALIVE void duplimo_arrow(int key)
{
    game_window->arrow(static_cast<tk::Arrow>(key & 3));
}

// The player moved the keyboard to control k; while a box is open, the
// box has it.
EMSCRIPTEN_KEEPALIVE void duplimo_focused(int k)
{
    if (!game_window->front_end().box_open())
        game_window->front_end().set_focus(page->control(k));
}

// Whether leaving the page would end a game under way.
EMSCRIPTEN_KEEPALIVE int duplimo_playing()
{
    return !game_window->runtime().ended() && game_window->form().btndetener.enabled();
}

}  // extern "C"

int main()
{
    game_window = std::make_unique<tk::headless::GameWindow>();
    page = std::make_unique<tk::web::Page>(*game_window);
    page->listen();
    game_window->load();
    // The page's events keep the program alive past main.
}
