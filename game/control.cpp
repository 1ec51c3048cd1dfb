// Game control: Start, Pause/Continue, Exit, the close confirmation, the clock.
#include "game/board.h"
#include "game/captions.h"
#include "game/handlers.h"

namespace game {

namespace {
constexpr std::int32_t one_second = 1000;
}  // namespace

void btniniciar_Click(Form& f)
{
    f.Frame1.set_enabled(true);
    f.btndetener.set_caption(caption_pause);
    f.btndetener.set_enabled(true);
    f.btniniciar.set_enabled(false);
    f.txtacertados.set_text(counter_reset());
    f.txtfallados.set_text(counter_reset());
    f.txttiempo.set_text(counter_reset());
    f.Timer1.set_interval(one_second);
    // A pick left pending by a paused game would otherwise be judged against
    // a cell of the new deal.
    f.pending.contador = 0;
    asignar_imagenes(f);
}

void btndetener_Click(Form& f)
{
    if (f.btndetener.caption() == caption_pause) {
        f.Timer1.set_interval(0);
        f.btndetener.set_caption(caption_continue);
        f.Frame1.set_enabled(false);
        f.btniniciar.set_enabled(true);
    } else {
        f.Timer1.set_interval(one_second);
        f.btndetener.set_caption(caption_pause);
        f.Frame1.set_enabled(true);
    }
}

void btnsalir_Click(Form& f)
{
    f.me.unload();
}

void Form_QueryUnload(Form& f, std::int16_t& cancel, std::int16_t& /*unload_mode*/)
{
    if (f.runtime.msgbox(u"¿Desea terminar el programa?", tk::MB_ICONQUESTION + tk::MB_YESNO, u"CONFIRMAR") == tk::IDYES)
        f.runtime.end();
    else
        cancel = 1;
}

void Timer1_Timer(Form& f)
{
    f.txttiempo.set_text(counter_next(f.txttiempo.text()));
}

}  // namespace game
