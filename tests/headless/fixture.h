// A main window on the headless front end, seeded, its message boxes
// answered by the test.
#pragma once

#include "form_state.h"
#include "game/board.h"
#include "game/handlers.h"
#include "toolkit/headless/game_window.h"

#include <doctest/doctest.h>

#include <deque>
#include <string>
#include <vector>

// Texts as doctest prints them.
namespace doctest {
template <>
struct StringMaker<std::u16string> {
    static String convert(const std::u16string& text) { return ('"' + tk::to_utf8(text) + '"').c_str(); }
};
}  // namespace doctest

struct TestWindow {
    tk::headless::GameWindow w;
    game::Form& f = w.form();
    std::deque<std::int16_t> answers;    // in order; OK or No once empty
    std::vector<tk::MessageBoxCall> asked;

    explicit TestWindow(std::uint64_t seed = 1)
    {
        w.runtime().random().fix_seed(seed);
        w.front_end().set_answer([this](const tk::MessageBoxCall& call, const tk::BoxSetting&) {
            asked.push_back(call);
            if (answers.empty())
                return std::int16_t{(call.style & 0x0F) == tk::MB_YESNO ? tk::IDNO : tk::IDOK};
            const std::int16_t answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }

    tk::Button& back(int i) { return f.btnsuperior(static_cast<std::int16_t>(i)); }
    tk::Button& face(int i) { return f.btnimagen(static_cast<std::int16_t>(i)); }
    bool click(tk::Button& button) { return w.click(button.control()); }
    int key(int i) { return tk::cint(back(i).tag()); }
    std::string state() { return test::state(f); }
    std::string snapshot() { return test::snapshot(f); }
    // The other cell of cell i's pair, by the backs' keys.
    int partner(int i)
    {
        for (int j = 0; j < game::cells; ++j)
            if (j != i && back(j).tag() == back(i).tag())
                return j;
        return -1;
    }
};
