#include "form_state.h"

#include "game/board.h"

namespace test {

std::string snapshot(game::Form& f)
{
    std::string out;
    auto flag = [&](bool on) { out += on ? '1' : '0'; };
    auto field = [&](const tk::Text& text) { out += tk::to_utf8(text) + '|'; };
    flag(f.Frame1.enabled());
    flag(f.btniniciar.enabled());
    flag(f.btndetener.enabled());
    field(f.btndetener.caption());
    out += std::to_string(f.Timer1.interval()) + '|';
    for (const tk::TextBox* box : {&f.txtacertados, &f.txtfallados, &f.txttiempo})
        field(box->text());
    field(f.Label5.caption());
    const game::PendingPick& p = f.pending;
    out += std::to_string(p.contador) + ',' + std::to_string(p.valor_primero) + ',' + std::to_string(p.indice_primero) + '|';
    for (std::int16_t i = 0; i < game::cells; ++i) {
        flag(f.btnimagen(i).visible());
        flag(f.btnsuperior(i).visible());
        out += std::to_string(f.btnimagen(i).picture().number()) + ':' + tk::to_utf8(f.btnsuperior(i).tag()) + ' ';
    }
    return out;
}

std::string state(game::Form& f)
{
    const bool start = f.btniniciar.enabled(), pause = f.btndetener.enabled(), board = f.Frame1.enabled();
    const bool pausing = f.btndetener.caption() == u"De&tener";
    const int clock = f.Timer1.interval();
    if (start && !pause && pausing && !board && clock == 0)
        return "idle";
    if (!start && pause && pausing && board && clock == 1000)
        return "running";
    if (start && pause && !pausing && !board && clock == 0)
        return "paused";
    if (start && pause && pausing && board && clock == 1000)
        return "resumed";
    if (start && !pause && pausing && board && clock == 0)
        return "finished";
    return "?";
}

}  // namespace test
