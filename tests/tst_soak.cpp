// Long random sequences of events on the real window, checked against the
// reference model after every event. Seeded and reproducible; a failure
// prints the seed and the shortest sequence found that still fails.
//   DUPLIMO_SOAK_FIRST: the first seed (default 1)
//   DUPLIMO_SOAK_SEQUENCES: how many seeds from there (default 1000)
//   DUPLIMO_SOAK_EVENTS: events in each (default 200)
//   DUPLIMO_SOAK_SEED: run just that seed
#include "fixture.h"
#include "model.h"

#include <QMouseEvent>
#include <QTest>
#include <QWindow>

#include <random>

namespace {

enum Kind { ClickCell, ClickPartner, DoubleClickCell, ClickStart, ClickPause, ClickOther, Tick, Move, Close, Kinds };
constexpr const char* kind_names[] = {"click", "click-partner", "double-click", "start", "pause", "click-other",
                                      "tick", "move", "close"};

struct Event {
    Kind kind;
    int a;  // a cell, or which other control, or how to close
    int b;  // modifiers of a move
};

QString describe(const std::vector<Event>& events)
{
    QStringList out;
    for (const Event& e : events)
        out << QStringLiteral("%1(%2,%3)").arg(QLatin1String(kind_names[e.kind])).arg(e.a).arg(e.b);
    return out.join(QLatin1Char(' '));
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

constexpr const char* others[] = {"Label1", "Label2", "Label3", "Label5", "txtacertados", "txtfallados", "txttiempo",
                                  "Frame1", "Frame2", "Frame3"};

class Run {
public:
    explicit Run(std::uint64_t seed) : t(seed)
    {
        t.w.runtime().set_message_box_hook([this](const tk::MessageBoxCall& call) {
            shown << q(call.prompt);
            return std::int16_t{call.title == u"CONFIRMAR" ? tk::IDNO : tk::IDOK};
        });
        t.w.show();
        t.w.activateWindow();
        if (!QTest::qWaitForWindowActive(&t.w))
            qWarning("the window did not become active");
    }

    // Applies one event to both; returns a description of the first
    // difference, or an empty string.
    QString step(const Event& e)
    {
        shown.clear();
        m.messages.clear();
        switch (e.kind) {
        case ClickCell: click_cell(e.a); break;
        case ClickPartner: click_cell(partner_pick(e.a)); break;
        case DoubleClickCell:
            cursor_to(centre(t.back(e.a)), e.a);
            QTest::mouseDClick(t.w.windowHandle(), Qt::LeftButton, {}, centre(t.back(e.a)));
            model_click(e.a);
            model_click(e.a);
            break;
        case ClickStart: {
            click(t.w.findChild<QWidget*>(QStringLiteral("btniniciar")));
            if (m.start) {
                const QString fault = adopt_deal();
                if (!fault.isEmpty())
                    return fault;
            }
            break;
        }
        case ClickPause:
            click(t.w.findChild<QWidget*>(QStringLiteral("btndetener")));
            if (m.pause)
                m.pause_or_continue();
            break;
        case ClickOther: {
            QWidget* other = t.w.findChild<QWidget*>(QLatin1String(others[e.a % std::size(others)]));
            // A frame is clicked at a spot that no control covers.
            const QPoint at = other->mapTo(&t.w, QPoint(3, other->height() - 4));
            cursor_to(at, -1);
            QTest::mouseClick(t.w.windowHandle(), Qt::LeftButton, {}, at);
            break;
        }
        case Tick:
            if (m.interval != 0) {
                t.w.runtime().dispatch([this] { game::Timer1_Timer(t.f); });
                m.tick();
            }
            break;
        case Move: {
            Qt::KeyboardModifiers keys;
            keys.setFlag(Qt::ShiftModifier, e.b & 1);
            keys.setFlag(Qt::ControlModifier, e.b & 2);
            keys.setFlag(Qt::AltModifier, e.b & 4);
            keys.setFlag(Qt::KeypadModifier, e.b & 8);
            const QPoint at = centre(t.back(e.a));
            if (QWidget* target = t.w.childAt(at)) {
                const QPointF local = target->mapFrom(&t.w, QPointF(at));
                QMouseEvent move(QEvent::MouseMove, local, t.w.mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton, keys);
                QApplication::sendEvent(target, &move);
            }
            if (m.board && m.cells[e.a].back)
                m.move_over_back(e.a, e.b & 7);
            break;
        }
        case Close:
            if (e.a % 3 == 0)
                click(t.w.findChild<QWidget*>(QStringLiteral("btnsalir")));
            else if (e.a % 3 == 1)
                t.w.close();
            else
                t.w.windowHandle()->close();
            m.close_refused();
            break;
        case Kinds: break;
        }
        if (t.w.runtime().ended() || !t.w.isVisible())
            return QStringLiteral("the program ended");
        if (shown != m.messages)
            return QStringLiteral("messages: got [%1], expected [%2]").arg(shown.join(QLatin1Char(',')), m.messages.join(QLatin1Char(',')));
        const QString real = t.snapshot(), expected = m.snapshot();
        if (real != expected) {
            qsizetype at = 0;
            while (at < real.size() && at < expected.size() && real[at] == expected[at])
                ++at;
            return QStringLiteral("state differs at %1: got ...%2, expected ...%3").arg(at).arg(real.mid(at, 40), expected.mid(at, 40));
        }
        return {};
    }

    int games_finished = 0;

private:
    QPoint centre(QWidget* widget) const { return widget->mapTo(&t.w, widget->rect().center()); }
    void click(QWidget* widget)
    {
        cursor_to(centre(widget), -1);
        QTest::mouseClick(t.w.windowHandle(), Qt::LeftButton, {}, centre(widget));
    }

    // A click elsewhere than the last one first moves the mouse there, with
    // no modifier held: over a card back that is a peek that clears the label.
    void cursor_to(QPoint at, int cell)
    {
        if (at != cursor && cell >= 0 && m.board && m.cells[cell].back)
            m.move_over_back(cell, false);
        cursor = at;
    }

    void model_click(int i)
    {
        if (m.board && m.cells[i].back) {
            const bool was_playing = m.interval != 0;
            m.click_back(i);
            if (was_playing && m.hits == QLatin1String("30") && m.interval == 0)
                ++games_finished;
        }
    }

    void click_cell(int i)
    {
        cursor_to(centre(t.back(i)), i);
        QTest::mouseClick(t.w.windowHandle(), Qt::LeftButton, {}, centre(t.back(i)));
        model_click(i);
    }

    // The partner of a pending first pick, or else any card still down.
    int partner_pick(int fallback) const
    {
        if (m.contador == 1) {
            for (int j = 0; j < 60; ++j)
                if (j != m.indice_primero && m.cells[j].back && m.cells[j].key.toInt() == m.valor_primero)
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
    QString adopt_deal()
    {
        std::array<Model::Cell, 60> dealt;
        std::map<QString, std::vector<int>> keyed;
        for (int i = 0; i < 60; ++i) {
            const auto cell = static_cast<std::int16_t>(i);
            dealt[i] = {t.f.btnimagen(cell).visible(), t.f.btnsuperior(cell).visible(), t.f.btnimagen(cell).picture().number(),
                        q(t.f.btnsuperior(cell).tag())};
            if (!dealt[i].face || !dealt[i].back || dealt[i].picture < 1)
                return QStringLiteral("deal left cell %1 wrong").arg(i);
            keyed[dealt[i].key].push_back(i);
        }
        if (keyed.size() != 30)
            return QStringLiteral("deal made %1 keys").arg(keyed.size());
        for (const auto& [key, pair] : keyed)
            if (pair.size() != 2 || dealt[pair[0]].picture != dealt[pair[1]].picture ||
                (key != QString::number(pair[0]) && key != QString::number(pair[1])))
                return QStringLiteral("deal broke the pair of key %1").arg(key);
        m.start_game(dealt);
        return {};
    }

    TestWindow t;
    Model m;
    QStringList shown;
    QPoint cursor{-1, -1};
};

// The index of the first failing event, or -1.
int failure_in(std::uint64_t seed, const std::vector<Event>& events, QString* why = nullptr, int* finished = nullptr)
{
    Run run(seed);
    for (std::size_t k = 0; k < events.size(); ++k) {
        const QString fault = run.step(events[k]);
        if (!fault.isEmpty()) {
            if (why)
                *why = fault;
            return static_cast<int>(k);
        }
    }
    if (finished)
        *finished += run.games_finished;
    return -1;
}

// Drops events one at a time while the sequence still fails.
std::vector<Event> shrink(std::uint64_t seed, std::vector<Event> events)
{
    for (std::size_t k = 0; k < events.size() && k < 400;) {
        std::vector<Event> fewer = events;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(k));
        if (failure_in(seed, fewer) >= 0)
            events = std::move(fewer);
        else
            ++k;
    }
    return events;
}

int setting(const char* name, int otherwise)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : otherwise;
}

}  // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void random_sequences_match_the_model()
    {
        const int sequences = setting("DUPLIMO_SOAK_SEQUENCES", 1000);
        const int length = setting("DUPLIMO_SOAK_EVENTS", 200);
        const bool one = qEnvironmentVariableIsSet("DUPLIMO_SOAK_SEED");
        const std::uint64_t first = one ? qEnvironmentVariable("DUPLIMO_SOAK_SEED").toULongLong()
                                        : static_cast<std::uint64_t>(setting("DUPLIMO_SOAK_FIRST", 1));
        int finished = 0;
        for (std::uint64_t seed = first; seed < first + (one ? 1 : sequences); ++seed) {
            const std::vector<Event> events = random_events(seed, length);
            QString why;
            const int at = failure_in(seed, events, &why, &finished);
            if (at >= 0) {
                const std::vector<Event> events_to_fault(events.begin(), events.begin() + at + 1);
                const std::vector<Event> shortest = shrink(seed, events_to_fault);
                failure_in(seed, shortest, &why);
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2: %3\nshortest sequence (%4 events): %5")
                                     .arg(seed).arg(at).arg(why).arg(shortest.size()).arg(describe(shortest))));
            }
        }
        qInfo("seeds %llu to %llu: %d sequences of %d events, %d games played to the end", static_cast<unsigned long long>(first),
              static_cast<unsigned long long>(first + (one ? 0 : sequences - 1)), one ? 1 : sequences, length, finished);
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
