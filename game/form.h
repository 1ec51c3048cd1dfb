// The main window as the game logic sees it: its controls by name and the
// form-level integers of the turn in progress.
#pragma once

#include "toolkit/controls.h"
#include "toolkit/runtime.h"

#include <cstdint>

namespace game {

// The turn in progress: picks made (0 or 1 between clicks), and the key and
// cell of the first pick.
struct PendingPick {
    std::int16_t contador = 0;
    std::int16_t valor_primero = 0;
    std::int16_t indice_primero = 0;
};

struct Form {
    explicit Form(tk::Runtime& runtime) : runtime(runtime) {}

    tk::Runtime& runtime;
    tk::Window me;
    tk::Frame Frame1, Frame2, Frame3;
    tk::Button btniniciar, btndetener, btnsalir;
    tk::Label Label1, Label2, Label3, Label5;
    tk::TextBox txtacertados, txtfallados, txttiempo;
    tk::Timer Timer1;
    tk::ImageList imglist1;
    // Cell i of the board: face btnimagen(i) under back btnsuperior(i).
    tk::ControlArray<tk::Button> btnimagen, btnsuperior;
    PendingPick pending;
};

}  // namespace game
