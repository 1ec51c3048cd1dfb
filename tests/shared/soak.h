// Long random sequences of events on a real window, checked against the
// reference model after every event; each front end drives its own window.
// Seeded and reproducible; a failure gives the seed and the shortest
// sequence found that still fails.
//   DUPLIMO_SOAK_FIRST: the first seed (default 1)
//   DUPLIMO_SOAK_SEQUENCES: how many seeds from there (default: the front end's)
//   DUPLIMO_SOAK_EVENTS: events in each (default 200)
//   DUPLIMO_SOAK_SEED: run just that seed
#pragma once

#include "game/form.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace soak {

// A player's events on the window, as a front end gives them.
class Driver {
public:
    virtual ~Driver() = default;
    virtual game::Form& form() = 0;
    // moved: the mouse comes from elsewhere, with no modifier held.
    virtual void click_cell(int cell, bool moved) = 0;
    virtual void double_click_cell(int cell, bool moved) = 0;
    virtual void click(const char* name) = 0;  // a button, label, counter or frame
    virtual void tick() = 0;                   // the clock, if it runs
    virtual void move(int cell, int keys) = 0; // 1 Shift, 2 Ctrl, 4 Alt, 8 keypad
    virtual void close(int how) = 0;           // 0 Salir; 1, 2 other ways the front end has
    virtual bool ended() = 0;

    // Message boxes answer No to the question and OK to the rest.
    std::int16_t answer(const tk::MessageBoxCall& call);
    std::vector<std::string> shown;  // prompts since the last event
};

// Plays the sequences the environment asks for on fresh windows; returns
// an empty string, or the failure with its shortest sequence. summary
// gets what was played.
std::string play(const std::function<std::unique_ptr<Driver>(std::uint64_t seed)>& window, int sequences,
                 std::string& summary);

}  // namespace soak
