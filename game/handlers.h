// The event handlers of the main window: the only way into the game logic.
#pragma once

#include "game/form.h"

#include <cstdint>

namespace game {

// Game control.
void btniniciar_Click(Form& f);
void btndetener_Click(Form& f);
void btnsalir_Click(Form& f);
// cancel: non-zero on return refuses the close; unload_mode: why (not read).
void Form_QueryUnload(Form& f, std::int16_t& cancel, std::int16_t& unload_mode);
void Timer1_Timer(Form& f);

// Turns and peek.
void btnsuperior_Click(Form& f, std::int16_t index);
void btnsuperior_MouseMove(Form& f, std::int16_t index, std::int16_t button, std::int16_t shift, float x, float y);

}  // namespace game
