// The main window on the headless front end.
#include "toolkit/headless/game_window.h"

#include "game/board.h"
#include "game/handlers.h"
#include "window/layout.h"
#include "window/module1.h"

#include <string>

namespace tk::headless {

namespace {

std::string name_of(const window::ControlSpec& spec)
{
    std::string name = spec.name;
    if (spec.index >= 0)
        name += '_' + std::to_string(spec.index);
    return name;
}

}  // namespace

GameWindow::GameWindow()
{
    runtime_.dispatch([this] {
        const window::WindowSpec& description = window::frmprincipal_window;
        Control& me = controls_.emplace_back();
        me.name = "frmprincipal";
        me.caption = description.caption;
        me.width = description.client_width;  // no frame here
        me.height = description.client_height;
        me.close = [this] { query_unload(1); };
        form_.me = Window(&me);

        std::vector<Control*> backs(game::cells), faces(game::cells);
        for (const window::ControlSpec& spec : window::frmprincipal_controls()) {
            Control& c = controls_.emplace_back();
            c.name = name_of(spec);
            c.index = spec.index;
            c.caption = spec.caption;
            c.left = spec.left, c.top = spec.top, c.width = spec.width, c.height = spec.height;
            c.enabled = spec.enabled;
            if (spec.type == window::ControlType::ImageList)
                c.count = static_cast<std::int16_t>(window::card_picture_names().size());
            if (spec.index >= 0)
                (spec.graphical ? faces : backs).at(static_cast<std::size_t>(spec.index)) = &c;
        }
        for (std::size_t cell = 0; cell < backs.size(); ++cell)
            front_end_.add_cell(*backs[cell], *faces[cell]);

        form_.Frame1 = Frame(control("Frame1"));
        form_.Frame2 = Frame(control("Frame2"));
        form_.Frame3 = Frame(control("Frame3"));
        form_.btniniciar = Button(control("btniniciar"));
        form_.btndetener = Button(control("btndetener"));
        form_.btnsalir = Button(control("btnsalir"));
        form_.Label1 = Label(control("Label1"));
        form_.Label2 = Label(control("Label2"));
        form_.Label3 = Label(control("Label3"));
        form_.Label5 = Label(control("Label5"));
        form_.txtacertados = TextBox(control("txtacertados"));
        form_.txtfallados = TextBox(control("txtfallados"));
        form_.txttiempo = TextBox(control("txttiempo"));
        form_.Timer1 = Timer(control("Timer1"));
        form_.imglist1 = ImageList(control("imglist1"));
        for (std::size_t cell = 0; cell < backs.size(); ++cell) {
            form_.btnimagen.add(Button(faces[cell]));
            form_.btnsuperior.add(Button(backs[cell]));
        }
        focus_and_speech_ = std::make_unique<window::FocusAndSpeech>(front_end_, form_);
        front_end_.set_focus(control("btniniciar"));
    });
}

Control* GameWindow::control(std::string_view name)
{
    for (Control& c : controls_)
        if (c.name == name)
            return &c;
    return nullptr;
}

void GameWindow::set_view(View* view)
{
    for (Control& c : controls_)
        c.view = view;
    front_end_.set_view(view);
}

void GameWindow::load()
{
    runtime_.dispatch([this] { window::centrar_formulario(form_.me); });
}

bool GameWindow::can_click(const Control* control) const
{
    if (!control || !control->visible || !control->enabled || front_end_.box_open())
        return false;
    // Cards lie in the board, whose own flag disables them all.
    return control->cell < 0 || form_.Frame1.enabled();
}

bool GameWindow::click(Control* control)
{
    using Command = window::FocusAndSpeech::Command;
    if (!runtime_.running() || !can_click(control))
        return false;
    Command command;
    std::function<void()> handler;
    if (control == form_.btniniciar.control())
        command = Command::Start, handler = [this] { game::btniniciar_Click(form_); };
    else if (control == form_.btndetener.control())
        command = Command::PauseContinue, handler = [this] { game::btndetener_Click(form_); };
    else if (control == form_.btnsalir.control())
        command = Command::Exit, handler = [this] { game::btnsalir_Click(form_); };
    else if (control->cell >= 0 && control == form_.btnsuperior(static_cast<std::int16_t>(control->cell)).control())
        command = Command::Pick, handler = [this, index = control->index] { game::btnsuperior_Click(form_, index); };
    else
        return true;  // a control without a click handler
    // A click gives the control the keyboard, as a button takes it.
    front_end_.set_focus(control);
    focus_and_speech_->before(command);
    runtime_.dispatch(handler);
    focus_and_speech_->after(command);
    return true;
}

void GameWindow::tick()
{
    if (form_.Timer1.interval() > 0 && !front_end_.ended())
        runtime_.dispatch([this] { game::Timer1_Timer(form_); });
}

void GameWindow::move_over(int cell, std::int16_t shift)
{
    Control* back = form_.btnsuperior(static_cast<std::int16_t>(cell)).control();
    if (!back->visible || !back->enabled || !form_.Frame1.enabled() || front_end_.box_open())
        return;
    runtime_.dispatch([&] {
        game::btnsuperior_MouseMove(form_, static_cast<std::int16_t>(cell), 0, shift, static_cast<float>(back->width / 2),
                                    static_cast<float>(back->height / 2));
    });
}

void GameWindow::close()
{
    if (!front_end_.box_open())
        query_unload(0);
}

void GameWindow::arrow(Arrow key)
{
    const Control* card = front_end_.focus();
    if (!card || card->cell < 0 || front_end_.box_open())
        return;
    const int to = arrow_target(card->cell, key, game::cells, [this](int cell) -> std::optional<Place> {
        if (const Control* shown = front_end_.showing(cell))
            return Place{shown->left, shown->top};
        return std::nullopt;
    });
    front_end_.set_focus(front_end_.showing(to));
}

void GameWindow::query_unload(std::int16_t unload_mode)
{
    std::int16_t cancel = 0;
    runtime_.dispatch([&] { game::Form_QueryUnload(form_, cancel, unload_mode); });
}

}  // namespace tk::headless
