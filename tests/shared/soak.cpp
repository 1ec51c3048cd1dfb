#include "soak.h"

#include "form_state.h"
#include "model.h"

#include <cstdlib>
#include <map>
#include <random>

namespace soak {

namespace {

enum Kind { ClickCell, ClickPartner, DoubleClickCell, ClickStart, ClickPause, ClickOther, Tick, Move, Close, Kinds };
constexpr const char* kind_names[] = {"click", "click-partner", "double-click", "start", "pause", "click-other",
                                      "tick", "move", "close"};
constexpr const char* others[] = {"Label1", "Label2", "Label3", "Label5", "txtacertados", "txtfallados", "txttiempo",
                                  "Frame1", "Frame2", "Frame3"};

struct Event {
    Kind kind;
    int a;  // a cell, or which other control, or how to close
    int b;  // modifiers of a move
};

std::string describe(const std::vector<Event>& events)
{
    std::string out;
    for (const Event& e : events)
        out += std::string(out.empty() ? "" : " ") + kind_names[e.kind] + '(' + std::to_string(e.a) + ',' +
               std::to_string(e.b) + ')';
    return out;
}

std::vector<Event> random_events(std::uint64_t seed, int count)
{
    std::mt19937_64 random(seed);
    // Clicks on cards dominate, some of them finding pairs; one sequence in
    // four rarely restarts or pauses, so that its games reach their end.
    std::discrete_distribution<int> kind = seed % 4 == 0
        ? std::discrete_distribution<int>({10, 60, 2, 0.2, 0.5, 2, 12, 10, 1})
        : std::discrete_distribution<int>({30, 25, 4, 4, 6, 4, 12, 12, 3});
    std::vector<Event> events;
    for (int k = 0; k < count; ++k) {
        const auto chosen = static_cast<Kind>(kind(random));
        const int a = static_cast<int>(random() % 60), b = static_cast<int>(random() % 16);
        events.push_back({chosen, a, b});
    }
    if (seed % 4 == 0 && !events.empty())
        events.front().kind = ClickStart;
    return events;
}

// One window and the model side by side.
class Run {
public:
    explicit Run(std::unique_ptr<Driver> driver) : d(std::move(driver)) {}

    // Applies one event to both; returns a description of the first
    // difference, or an empty string.
    std::string step(const Event& e)
    {
        d->shown.clear();
        m.messages.clear();
        switch (e.kind) {
        case ClickCell: click_cell(e.a); break;
        case ClickPartner: click_cell(partner_pick(e.a)); break;
        case DoubleClickCell:
            d->double_click_cell(e.a, cursor_to(e.a, e.a));
            model_click(e.a);
            model_click(e.a);
            break;
        case ClickStart:
            cursor_to(100, -1);
            d->click("btniniciar");
            if (m.start)
                if (std::string fault = adopt_deal(); !fault.empty())
                    return fault;
            break;
        case ClickPause:
            cursor_to(101, -1);
            d->click("btndetener");
            if (m.pause)
                m.pause_or_continue();
            break;
        case ClickOther:
            cursor_to(200 + e.a % static_cast<int>(std::size(others)), -1);
            d->click(others[e.a % std::size(others)]);
            break;
        case Tick:
            d->tick();
            if (m.interval != 0)
                m.tick();
            break;
        case Move:
            d->move(e.a, e.b);
            if (m.board && m.cells[e.a].back)
                m.move_over_back(e.a, e.b & 7);
            break;
        case Close:
            if (e.a % 3 == 0)
                cursor_to(102, -1);
            d->close(e.a % 3);
            m.close_refused();
            break;
        case Kinds: break;
        }
        if (d->ended())
            return "the program ended";
        if (d->shown != m.messages) {
            auto list = [](const std::vector<std::string>& texts) {
                std::string out;
                for (const std::string& text : texts)
                    out += (out.empty() ? "" : ",") + text;
                return out;
            };
            return "messages: got [" + list(d->shown) + "], expected [" + list(m.messages) + "]";
        }
        const std::string real = test::snapshot(d->form()), expected = m.snapshot();
        if (real != expected) {
            std::size_t at = 0;
            while (at < real.size() && at < expected.size() && real[at] == expected[at])
                ++at;
            return "state differs at " + std::to_string(at) + ": got ..." + real.substr(at, 40) + ", expected ..." +
                   expected.substr(at, 40);
        }
        return {};
    }

    int games_finished = 0;

private:
    // The mouse goes to a place (a cell, or a number past them for other
    // controls) to click there: over a card back with no modifier held,
    // that is a peek that clears the label. Returns whether it moved.
    bool cursor_to(int place, int cell)
    {
        if (place == cursor)
            return false;
        if (cell >= 0 && m.board && m.cells[cell].back)
            m.move_over_back(cell, false);
        cursor = place;
        return true;
    }

    void model_click(int i)
    {
        if (m.board && m.cells[i].back) {
            const bool was_playing = m.interval != 0;
            m.click_back(i);
            if (was_playing && m.hits == "30" && m.interval == 0)
                ++games_finished;
        }
    }

    void click_cell(int i)
    {
        d->click_cell(i, cursor_to(i, i));
        model_click(i);
    }

    // The partner of a pending first pick, or else any card still down.
    int partner_pick(int fallback) const
    {
        if (m.contador == 1) {
            for (int j = 0; j < 60; ++j)
                if (j != m.indice_primero && m.cells[j].back && std::stoi(m.cells[j].key) == m.valor_primero)
                    return j;
        }
        for (int k = 0; k < 60; ++k) {
            const int j = (fallback + k) % 60;
            if (m.cells[j].back && m.cells[j].face)
                return j;
        }
        return fallback;
    }

    // Takes the new deal into the model once it keeps the rules of a deal.
    std::string adopt_deal()
    {
        game::Form& f = d->form();
        std::array<Model::Cell, 60> dealt;
        std::map<std::string, std::vector<int>> keyed;
        for (int i = 0; i < 60; ++i) {
            const auto cell = static_cast<std::int16_t>(i);
            dealt[i] = {f.btnimagen(cell).visible(), f.btnsuperior(cell).visible(), f.btnimagen(cell).picture().number(),
                        tk::to_utf8(f.btnsuperior(cell).tag())};
            if (!dealt[i].face || !dealt[i].back || dealt[i].picture < 1)
                return "deal left cell " + std::to_string(i) + " wrong";
            keyed[dealt[i].key].push_back(i);
        }
        if (keyed.size() != 30)
            return "deal made " + std::to_string(keyed.size()) + " keys";
        for (const auto& [key, pair] : keyed)
            if (pair.size() != 2 || dealt[pair[0]].picture != dealt[pair[1]].picture ||
                (key != std::to_string(pair[0]) && key != std::to_string(pair[1])))
                return "deal broke the pair of key " + key;
        m.start_game(dealt);
        return {};
    }

    std::unique_ptr<Driver> d;
    Model m;
    int cursor = -1;
};

using Window = std::function<std::unique_ptr<Driver>(std::uint64_t seed)>;

// The index of the first failing event, or -1.
int failure_in(const Window& window, std::uint64_t seed, const std::vector<Event>& events, std::string* why = nullptr,
               int* finished = nullptr)
{
    Run run(window(seed));
    for (std::size_t k = 0; k < events.size(); ++k) {
        std::string fault = run.step(events[k]);
        if (!fault.empty()) {
            if (why)
                *why = std::move(fault);
            return static_cast<int>(k);
        }
    }
    if (finished)
        *finished += run.games_finished;
    return -1;
}

// Drops events one at a time while the sequence still fails.
std::vector<Event> shrink(const Window& window, std::uint64_t seed, std::vector<Event> events)
{
    for (std::size_t k = 0; k < events.size() && k < 400;) {
        std::vector<Event> fewer = events;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(k));
        if (failure_in(window, seed, fewer) >= 0)
            events = std::move(fewer);
        else
            ++k;
    }
    return events;
}

std::uint64_t setting(const char* name, std::uint64_t otherwise)
{
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : otherwise;
}

}  // namespace

std::int16_t Driver::answer(const tk::MessageBoxCall& call)
{
    shown.push_back(tk::to_utf8(call.prompt));
    return call.title == u"CONFIRMAR" ? tk::IDNO : tk::IDOK;
}

std::string play(const Window& window, int sequences, std::string& summary)
{
    const std::uint64_t count = setting("DUPLIMO_SOAK_SEED", 0) ? 1 : setting("DUPLIMO_SOAK_SEQUENCES", sequences);
    const int length = static_cast<int>(setting("DUPLIMO_SOAK_EVENTS", 200));
    const std::uint64_t first = setting("DUPLIMO_SOAK_SEED", setting("DUPLIMO_SOAK_FIRST", 1));
    int finished = 0;
    for (std::uint64_t seed = first; seed < first + count; ++seed) {
        const std::vector<Event> events = random_events(seed, length);
        std::string why;
        if (const int at = failure_in(window, seed, events, &why, &finished); at >= 0) {
            const std::vector<Event> shortest = shrink(window, seed, {events.begin(), events.begin() + at + 1});
            failure_in(window, seed, shortest, &why);
            return "seed " + std::to_string(seed) + ", event " + std::to_string(at) + ": " + why + "\nshortest sequence (" +
                   std::to_string(shortest.size()) + " events): " + describe(shortest);
        }
    }
    summary = "seeds " + std::to_string(first) + " to " + std::to_string(first + count - 1) + ": " + std::to_string(count) +
              " sequences of " + std::to_string(length) + " events, " + std::to_string(finished) +
              " games played to the end";
    return {};
}

}  // namespace soak
