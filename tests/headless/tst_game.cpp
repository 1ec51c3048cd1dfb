// Playing through the window: turns, results, game control, closing, peek,
// and where the keyboard goes and what is said meanwhile.
#include "fixture.h"

#include "window/layout.h"

#include <map>
#include <set>
#include <tuple>

namespace {

// A game window with a player's commands.
struct Game : TestWindow {
    std::vector<tk::BoxSetting> settings;  // of each box asked

    Game()
    {
        w.front_end().set_answer([this](const tk::MessageBoxCall& call, const tk::BoxSetting& setting) {
            asked.push_back(call);
            settings.push_back(setting);
            if (answers.empty())
                return std::int16_t{call.title == u"CONFIRMAR" ? tk::IDNO : tk::IDOK};
            const std::int16_t answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    void start() { click(f.btniniciar); }
    void pause_or_continue() { click(f.btndetener); }
    void pick(int i) { click(back(i)); }
    // s: Start, d: Pause/Continue, p: pick a card, f: finish the game;
    // a tick of the clock after each.
    void run(const std::string& steps)
    {
        for (char step : steps) {
            if (step == 's')
                start();
            else if (step == 'd')
                pause_or_continue();
            else if (step == 'p')
                pick(cell_on_board());
            else
                for (int i; (i = cell_on_board()) >= 0;) {
                    pick(i);
                    pick(partner(i));
                }
            w.tick();
        }
    }
    // A cell still on the board, from cell `from` on.
    int cell_on_board(int from = 0)
    {
        for (int i = from; i < game::cells; ++i)
            if (back(i).visible())
                return i;
        return -1;
    }
    // A cell on the board that is not i's partner.
    int stranger(int i)
    {
        for (int j = 0; j < game::cells; ++j)
            if (j != i && j != partner(i) && back(j).visible())
                return j;
        return -1;
    }
    tk::Text said() { return w.front_end().said().empty() ? tk::Text() : w.front_end().said().back(); }
    tk::Control* focus() { return w.front_end().focus(); }
    std::string picture_name(int i)
    {
        return tk::to_utf8(window::card_picture_names()[static_cast<std::size_t>(face(i).picture().number() - 1)]);
    }
};

}  // namespace

TEST_CASE("a whole game to the thirtieth pair, and Start anew")
{
    Game g;
    g.start();
    CHECK(g.state() == "running");
    for (int pair = 0; pair < 30; ++pair) {
        const int i = g.cell_on_board();
        g.pick(i);
        g.w.tick();
        g.pick(g.partner(i));
    }
    CHECK(g.f.txtacertados.text() == u"30");
    CHECK(g.f.txtfallados.text() == u"0");
    CHECK(g.f.txttiempo.text() == u"30");
    CHECK(g.state() == "finished");
    CHECK(g.f.pending.contador == 0);
    for (int i = 0; i < game::cells; ++i)
        CHECK((!g.face(i).visible() && !g.back(i).visible()));
    REQUIRE(g.asked.size() == 30);
    for (const tk::MessageBoxCall& call : g.asked) {
        CHECK(call.prompt == u"Correcto");
        CHECK(call.title == u"RESULTADO");
        CHECK(call.style == 48);
    }
    // Finished: the clock stops, and Start is the only game command.
    g.w.tick();
    CHECK(g.f.txttiempo.text() == u"30");
    CHECK(!g.click(g.f.btndetener));
    g.start();
    CHECK(g.state() == "running");
    CHECK(g.f.txtacertados.text() == u"0");
    CHECK(g.back(0).visible());
}

TEST_CASE("a first pick, then a miss and a match")
{
    Game g;
    g.start();
    const int i = g.cell_on_board(), j = g.partner(i), k = g.stranger(i);

    g.pick(i);
    CHECK((!g.back(i).visible() && g.face(i).visible()));
    CHECK(g.f.pending.contador == 1);
    CHECK(g.f.pending.valor_primero == g.key(i));
    CHECK(g.f.pending.indice_primero == i);
    CHECK(g.asked.empty());
    // Clicking the turned card's face does nothing.
    g.click(g.face(i));
    CHECK(g.f.pending.contador == 1);

    // A miss: both stay turned while the result is shown, then turn back.
    bool both_shown = false;
    g.w.front_end().set_answer([&](const tk::MessageBoxCall& call, const tk::BoxSetting&) {
        g.asked.push_back(call);
        both_shown = !g.back(i).visible() && !g.back(k).visible() && g.f.txtfallados.text() == u"0";
        return std::int16_t{tk::IDOK};
    });
    g.pick(k);
    CHECK(both_shown);
    CHECK(g.asked.back().prompt == u"Incorrecto");
    CHECK(g.asked.back().title == u"RESULTADO");
    CHECK((g.back(i).visible() && g.back(k).visible()));
    CHECK(g.f.txtfallados.text() == u"1");
    CHECK(g.f.txtacertados.text() == u"0");
    CHECK(g.f.pending.contador == 0);

    // A match: both cells leave the board.
    g.pick(j);
    g.pick(i);
    CHECK(g.asked.back().prompt == u"Correcto");
    CHECK((!g.back(i).visible() && !g.face(i).visible() && !g.back(j).visible() && !g.face(j).visible()));
    CHECK(g.f.txtacertados.text() == u"1");
    CHECK(g.f.txtfallados.text() == u"1");
    CHECK(g.state() == "running");
}

TEST_CASE("keys compare as numbers; counters without a number count from zero; the end reads only the hits")
{
    Game g;
    g.start();
    g.back(3).set_tag(u"07");
    g.back(4).set_tag(u"7");
    g.pick(3);
    g.pick(4);
    CHECK(g.asked.back().prompt == u"Correcto");

    g.f.txttiempo.set_text(u"abc");
    g.w.tick();
    CHECK(g.f.txttiempo.text() == u"1");
    g.f.txtacertados.set_text(u"");
    int i = g.cell_on_board();
    g.pick(i);
    g.pick(g.partner(i));
    CHECK(g.f.txtacertados.text() == u"1");

    g.f.txtacertados.set_text(u"29");
    i = g.cell_on_board();
    g.pick(i);
    g.pick(g.partner(i));
    CHECK(g.state() == "finished");
    CHECK(g.back(g.cell_on_board()).visible());  // cards remain, still playable
    g.f.txtacertados.set_text(u"40");
    i = g.cell_on_board();
    g.pick(i);
    g.pick(g.partner(i));
    CHECK(g.f.txtacertados.text() == u"41");
    CHECK(g.state() == "finished");
}

TEST_CASE("state transitions")
{
    const std::pair<const char*, const char*> table[] = {
        {"", "idle"},          {"s", "running"},   {"sd", "paused"},   {"sdd", "resumed"},   {"sddd", "paused"},
        {"sds", "running"},    {"sdds", "running"}, {"sf", "finished"}, {"sddf", "finished"}, {"sfs", "running"}};
    for (const auto& [steps_, state] : table) {
        const std::string steps = steps_;
        CAPTURE(steps);
        Game g;
        g.run(steps);
        CHECK(g.state() == state);
        if (steps.ends_with('s')) {
            CHECK(g.f.txtacertados.text() == u"0");
            CHECK(g.f.txtfallados.text() == u"0");
            CHECK(g.f.txttiempo.text() == u"1");
            for (int i = 0; i < game::cells; ++i)
                CHECK((g.back(i).visible() && g.face(i).visible()));
        }
        // Only running and resumed boards take clicks and ticks.
        if (g.cell_on_board() >= 0) {
            const std::string before = g.snapshot();
            g.pick(g.cell_on_board());
            g.w.tick();
            CHECK((g.snapshot() != before) == g.f.Frame1.enabled());
        }
    }
}

TEST_CASE("a pick pending at a pause survives Continue, and Start forgets it")
{
    Game g;
    g.start();
    const int i = g.cell_on_board();
    g.pick(i);
    g.pause_or_continue();
    CHECK(g.state() == "paused");
    CHECK((!g.back(i).visible() && g.face(i).visible()));
    CHECK(g.f.pending.contador == 1);
    g.pause_or_continue();
    g.pick(g.partner(i));
    CHECK(g.f.txtacertados.text() == u"1");

    const int a = g.cell_on_board();
    g.pick(a);
    g.pause_or_continue();
    g.start();
    CHECK(g.f.pending.contador == 0);
    // The first click of the new game is a first pick, not a judgement.
    g.asked.clear();
    g.pick(a);
    CHECK(g.asked.empty());
    CHECK(g.f.pending.contador == 1);
    CHECK(g.f.pending.indice_primero == a);
    g.pick(g.partner(a));
    CHECK(g.f.txtacertados.text() == u"1");
}

TEST_CASE("a refused close changes nothing; Yes ends the program")
{
    for (const char* steps : {"", "sp", "sd", "sdd", "sf"})
        for (bool by_exit : {true, false}) {
            CAPTURE(steps);
            CAPTURE(by_exit);
            Game g;
            g.run(steps);
            const std::string before = g.snapshot();
            g.asked.clear();
            if (by_exit)
                g.click(g.f.btnsalir);
            else
                g.w.close();
            REQUIRE(g.asked.size() == 1);
            CHECK(g.asked[0].prompt == u"¿Desea terminar el programa?");
            CHECK(g.asked[0].title == u"CONFIRMAR");
            CHECK(g.asked[0].style == 36);
            CHECK(!g.w.runtime().ended());
            CHECK(g.snapshot() == before);
        }

    Game g;
    g.start();
    g.w.tick();
    g.answers = {tk::IDYES};
    g.click(g.f.btnsalir);
    CHECK(g.w.runtime().ended());
    CHECK(g.w.front_end().ended());
    // A tick, a click, a move: none reaches the game.
    const std::string before = g.snapshot();
    g.w.tick();
    g.pick(g.cell_on_board());
    g.w.move_over(5, 1);
    CHECK(g.snapshot() == before);
    CHECK(g.asked.size() == 1);
}

TEST_CASE("Yes during a result stops the turn there")
{
    Game g;
    g.start();
    const int i = g.cell_on_board(), k = g.stranger(i);
    // The program is closed while "Incorrecto" is shown.
    g.w.front_end().set_answer([&](const tk::MessageBoxCall& call, const tk::BoxSetting&) {
        g.asked.push_back(call);
        if (call.prompt == u"Incorrecto")
            g.f.me.unload();
        return std::int16_t{call.prompt == u"Incorrecto" ? tk::IDOK : tk::IDYES};
    });
    g.pick(i);
    g.pick(k);
    CHECK(g.asked.size() == 2);
    CHECK(g.w.runtime().ended());
    // The miss was never counted and the cards were never turned back.
    CHECK(g.f.txtfallados.text() == u"0");
    CHECK((!g.back(i).visible() && !g.back(k).visible()));
}

TEST_CASE("a failing click keeps the hidden back")
{
    Game g;
    g.start();
    g.back(8).set_tag(u"ocho");
    g.pick(8);
    CHECK(!g.back(8).visible());
    CHECK(g.f.pending.contador == 1);
    CHECK(g.w.runtime().ended());
    CHECK(g.asked.back().prompt.find(u"'13'") != tk::Text::npos);
}

TEST_CASE("the peek shows a key while a modifier is held, on a running board's backs")
{
    for (std::int16_t shift : {0, 1, 2, 4, 7}) {
        Game g;
        g.start();
        g.f.Label5.set_caption(u"x");
        g.w.move_over(17, shift);
        CHECK(g.f.Label5.caption() == (shift ? tk::cstr(std::int32_t{g.key(17)}) : tk::Text()));
    }
    Game g;
    g.w.move_over(3, 1);  // idle: the board takes no moves
    CHECK(g.f.Label5.caption() == u"");
    g.start();
    g.w.move_over(3, 1);
    const tk::Text key = tk::cstr(std::int32_t{g.key(3)});
    CHECK(g.f.Label5.caption() == key);
    g.pick(3);
    g.w.move_over(3, 0);  // over the turned card's face
    CHECK(g.f.Label5.caption() == key);
    g.pause_or_continue();
    g.w.move_over(40, 0);
    CHECK(g.f.Label5.caption() == key);
    g.start();  // a new deal leaves the label as it was
    CHECK(g.f.Label5.caption() == key);
}

// The window's policy: the keyboard follows the game, what it cannot show
// is said, and a result box leaves the turned cards in view.
TEST_CASE("where the keyboard goes and what is said")
{
    Game g;
    g.start();
    CHECK(g.focus() == g.back(0).control());  // on the first card
    g.pause_or_continue();  // the button has the keyboard: its new caption is said
    CHECK(g.focus() == g.f.btndetener.control());
    CHECK(g.said() == u"Continuar");
    g.pause_or_continue();
    CHECK(g.said() == u"Detener");

    // A miss: the turned card is told before the box, which keeps both in
    // view; the keyboard stays on the cell, on the card turned back.
    const int i = g.cell_on_board(), k = g.stranger(i);
    g.pick(i);
    CHECK(g.focus() == g.face(i).control());
    const std::size_t said_before = g.w.front_end().said().size();
    g.pick(k);
    REQUIRE(g.settings.size() == 1);
    CHECK(!g.settings[0].focus_back);
    CHECK(g.settings[0].keep_in_view == std::vector<const tk::Control*>{g.face(i).control(), g.face(k).control()});
    const std::vector<tk::Text>& said = g.w.front_end().said();
    REQUIRE(said.size() == said_before + 2);
    CHECK(tk::to_utf8(said[said_before]) == g.picture_name(k));
    CHECK(said.back() == u"Fallados 1");
    CHECK(g.focus() == g.back(k).control());

    // Every pair: the keyboard goes on to the next cell on the board after
    // the pair leaves; after the last, to Start.
    for (int pair = 0; pair < 30; ++pair) {
        const int a = g.cell_on_board(), b = g.partner(a);
        int next = -1;
        for (int n = 1; n < game::cells && next < 0; ++n)
            if (const int cell = (b + n) % game::cells; cell != a && g.back(cell).visible())
                next = cell;
        g.pick(a);
        g.pick(b);
        CHECK(g.said() == u"Acertados " + tk::cstr(std::int32_t{pair + 1}));
        CHECK(g.focus() == (pair < 29 ? g.back(next).control() : g.f.btniniciar.control()));
    }
    CHECK(g.state() == "finished");
}

// The same walk as on Qt: along rows and columns, cells off the board
// skipped, a turned card a stop on its face, and late in a game no cell out
// of reach.
TEST_CASE("arrows move along the rows and columns of the board")
{
    Game g;
    const auto arrow_from = [&g](int from, tk::Arrow key) {
        g.w.front_end().set_focus(g.w.front_end().showing(from));
        g.w.arrow(key);
        return g.focus() ? g.focus()->cell : -1;
    };
    using enum tk::Arrow;
    g.start();
    REQUIRE(g.focus() == g.back(0).control());
    const std::pair<tk::Arrow, int> walk[] = {{Right, 1}, {Down, 11}, {Left, 10}, {Up, 0}, {Up, 0}, {Left, 0}};
    for (auto [key, cell] : walk) {
        g.w.arrow(key);
        CHECK(g.focus() == g.back(cell).control());
    }
    for (int gone : {1, 2}) {
        g.back(gone).set_visible(false);
        g.face(gone).set_visible(false);
    }
    g.back(3).set_visible(false);
    g.w.arrow(Right);
    CHECK(g.focus() == g.face(3).control());
    g.w.arrow(Right);
    CHECK(g.focus() == g.back(4).control());

    const std::set<int> left = {5, 13, 47, 54, 58};
    for (int i = 0; i < game::cells; ++i)
        if (!left.contains(i)) {
            g.back(i).set_visible(false);
            g.face(i).set_visible(false);
        }
    const std::tuple<int, tk::Arrow, int> moves[] = {{47, Right, 54}, {47, Left, 13}, {47, Down, 58}, {47, Up, 13},
                                                         {54, Up, 47},    {54, Right, 58}, {5, Down, 13},  {5, Left, 5},
                                                         {58, Right, 58}, {13, Up, 5}};
    for (auto [from, key, to] : moves)
        CHECK(arrow_from(from, key) == to);
    // A key away from the board moves nothing.
    g.w.front_end().set_focus(g.f.btnsalir.control());
    g.w.arrow(Left);
    CHECK(g.focus() == g.f.btnsalir.control());
}

namespace {

// A view that keeps its own copy of what it is told, as a page does.
struct Mirror final : tk::headless::View {
    struct Seen {
        bool visible, enabled;
        tk::Text caption, text;
        tk::Picture picture;
        std::int32_t interval;
    };
    std::map<const tk::Control*, Seen> seen;
    const tk::Control* focus = nullptr;
    std::vector<tk::Text> told;
    int status = -1;

    explicit Mirror(const std::deque<tk::Control>& controls)
    {
        for (const tk::Control& c : controls)
            seen[&c] = copy(c);
    }
    static Seen copy(const tk::Control& c) { return {c.visible, c.enabled, c.caption, c.text, c.picture, c.interval}; }
    void changed(const tk::Control& c, Change what) override
    {
        Seen& s = seen.at(&c);
        const Seen now = copy(c);
        switch (what) {
        case Change::Visible: s.visible = now.visible; break;
        case Change::Enabled: s.enabled = now.enabled; break;
        case Change::Caption: s.caption = now.caption; break;
        case Change::Text: s.text = now.text; break;
        case Change::Picture: s.picture = now.picture; break;
        case Change::Interval: s.interval = now.interval; break;
        }
    }
    void focused(const tk::Control* c) override { focus = c; }
    void said(const tk::Text& text) override { told.push_back(text); }
    void ended(int exit_status) override { status = exit_status; }
};

}  // namespace

// A page shows what it is told: after a game, a pause, a miss, a pair and
// the end, it must show every control as it is.
TEST_CASE("a view is told every change a player could see")
{
    Game g;
    Mirror view(g.w.controls());
    g.w.set_view(&view);
    g.run("sppdd");
    const int i = g.cell_on_board();
    g.pick(i);
    g.pick(g.partner(i));
    g.w.move_over(7, 1);
    for (const tk::Control& c : g.w.controls()) {
        INFO(c.name);
        const Mirror::Seen& s = view.seen.at(&c);
        CHECK(s.visible == c.visible);
        CHECK(s.enabled == c.enabled);
        CHECK(s.caption == c.caption);
        CHECK(s.text == c.text);
        CHECK(s.picture == c.picture);
        CHECK(s.interval == c.interval);
    }
    CHECK(view.focus == g.focus());
    CHECK(view.told == g.w.front_end().said());
    g.answers = {tk::IDYES};
    g.click(g.f.btnsalir);
    CHECK(view.status == 0);
}
