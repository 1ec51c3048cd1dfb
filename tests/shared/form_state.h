// What the game shows, read through the toolkit's handles on any front end.
#pragma once

#include "game/form.h"

#include <string>

namespace test {

// Every property the game changes, as text, to compare whole states.
std::string snapshot(game::Form& f);
// The game state named by its four controls: idle, running, paused,
// resumed, finished, or "?" for none of them.
std::string state(game::Form& f);

}  // namespace test
