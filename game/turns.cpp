// Turns: a click turns a card; the second of a turn is judged. And the peek.
#include "game/board.h"
#include "game/captions.h"
#include "game/handlers.h"

namespace game {

namespace {

void show_result(Form& f, const char16_t* prompt)
{
    f.runtime.msgbox(prompt, tk::MB_ICONWARNING + tk::MB_OK, u"RESULTADO");
}

void end_game(Form& f)
{
    f.Timer1.set_interval(0);
    f.btniniciar.set_enabled(true);
    f.btndetener.set_caption(caption_pause);
    f.btndetener.set_enabled(false);
}

}  // namespace

void btnsuperior_Click(Form& f, std::int16_t index)
{
    PendingPick& pick = f.pending;
    pick.contador = tk::add16(pick.contador, 1);
    f.btnsuperior(index).set_visible(false);

    if (pick.contador == 1) {
        pick.valor_primero = tk::cint(f.btnsuperior(index).tag());
        pick.indice_primero = f.btnsuperior(index).index();
        return;
    }

    const std::int16_t j = pick.indice_primero;
    if (tk::cdbl(f.btnsuperior(index).tag()) == static_cast<double>(pick.valor_primero)) {
        show_result(f, u"Correcto");
        f.btnimagen(j).set_visible(false);
        f.btnimagen(index).set_visible(false);
        f.btnsuperior(j).set_visible(false);
        f.btnsuperior(index).set_visible(false);
        f.txtacertados.set_text(counter_next(f.txtacertados.text()));
        if (f.txtacertados.text() == u"30")
            end_game(f);
    } else {
        show_result(f, u"Incorrecto");
        f.txtfallados.set_text(counter_next(f.txtfallados.text()));
        f.btnsuperior(j).set_visible(true);
        f.btnsuperior(index).set_visible(true);
    }
    pick.contador = 0;
}

void btnsuperior_MouseMove(Form& f, std::int16_t index, std::int16_t /*button*/, std::int16_t shift, float /*x*/,
                           float /*y*/)
{
    f.Label5.set_caption(shift != 0 ? f.btnsuperior(index).tag() : tk::Text());
}

}  // namespace game
