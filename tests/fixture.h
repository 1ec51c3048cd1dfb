// Shared test helpers: a main window with message boxes answered by the test.
#pragma once

#include "game/board.h"
#include "game/handlers.h"
#include "window/frmprincipal.h"

#include <QAbstractButton>
#include <QString>

#include <deque>
#include <vector>

// Answers message boxes in order from a queue (OK when empty) and keeps
// what was asked.
struct Answers {
    std::deque<std::int16_t> queue;
    std::vector<tk::MessageBoxCall> asked;

    void attach(tk::Runtime& runtime)
    {
        runtime.set_message_box_hook([this](const tk::MessageBoxCall& call) {
            asked.push_back(call);
            if (queue.empty())
                return std::int16_t{tk::IDOK};
            const std::int16_t answer = queue.front();
            queue.pop_front();
            return answer;
        });
    }
};

inline QString q(const tk::Text& text)
{
    return QString::fromStdU16String(text);
}

// A fresh main window with a fixed seed, message boxes answered by Answers.
struct TestWindow {
    window::Frmprincipal w;
    game::Form& f = w.form();
    Answers answers;

    explicit TestWindow(std::uint64_t seed = 1)
    {
        answers.attach(w.runtime());
        w.runtime().random().fix_seed(seed);
    }

    QAbstractButton* back(int i) const { return f.btnsuperior(static_cast<std::int16_t>(i)).widget(); }
    QAbstractButton* face(int i) const { return f.btnimagen(static_cast<std::int16_t>(i)).widget(); }
    int key(int i) const { return tk::cint(f.btnsuperior(static_cast<std::int16_t>(i)).tag()); }
    // The other cell of cell i's pair, by the backs' keys.
    int partner(int i) const
    {
        for (int j = 0; j < game::cells; ++j)
            if (j != i && f.btnsuperior(static_cast<std::int16_t>(j)).tag() == f.btnsuperior(static_cast<std::int16_t>(i)).tag())
                return j;
        return -1;
    }
};
