// What a screen reader and a keyboard-only player get: no more and no less
// than a player who sees the window.
#include "fixture.h"
#include "toolkit/qt/announcer.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <tuple>
#include <vector>

namespace {

QAccessibleInterface* iface(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString name_of(QObject* object)
{
    QAccessibleInterface* i = iface(object);
    return i ? i->text(QAccessible::Name) : QStringLiteral("<none>");
}

QWidget* control(const TestWindow& t, const char* name)
{
    return t.w.findChild<QWidget*>(QLatin1String(name));
}

QString announced(const TestWindow& t)
{
    return t.w.findChild<tk::qt::Announcer*>()->said();
}

constexpr const char16_t* card_names[] = {
#include "window/pictures/card_names.inc"
};

QString picture_of(const TestWindow& t, int cell)
{
    return QString::fromUtf16(card_names[t.f.btnimagen(static_cast<std::int16_t>(cell)).picture().number() - 1]);
}

// What a player can reach without a name: every element on show, but the
// window, named as it is.
QStringList unnamed_within(QAccessibleInterface* element)
{
    QStringList unnamed;
    for (int k = 0; k < element->childCount(); ++k) {
        QAccessibleInterface* child = element->child(k);
        if (!child || child->state().invisible)
            continue;
        if (child->text(QAccessible::Name).isEmpty())
            unnamed << child->object()->objectName() + QStringLiteral(" (") + child->object()->metaObject()->className() + ')';
        unnamed << unnamed_within(child);
    }
    return unnamed;
}

// The cards turned face up: their faces, on the screen.
std::vector<QRect> turned_faces(game::Form& f)
{
    std::vector<QRect> faces;
    for (int cell = 0; cell < game::cells; ++cell) {
        const auto c = static_cast<std::int16_t>(cell);
        if (!f.btnsuperior(c).visible() && f.btnimagen(c).visible()) {
            const QWidget* face = tk::qt::widget(f.btnimagen(c));
            faces.emplace_back(face->mapToGlobal(QPoint()), face->size());
        }
    }
    return faces;
}

// A box's outer frame once on show, as its window manager has framed it.
QRect outer_frame(QWidget* box)
{
    QWindow* window = box->windowHandle();
    if (QTest::qWaitForWindowExposed(box) && QGuiApplication::platformName() == QLatin1String("xcb"))
        static_cast<void>(QTest::qWaitFor([&] { return !window->frameMargins().isNull(); }, 2000));
    return window->frameGeometry();
}

int cell_with_focus()
{
    const QWidget* focus = QApplication::focusWidget();
    const QVariant index = focus ? focus->property("Index") : QVariant();
    return index.isValid() ? index.toInt() : -1;
}

// A shown, active window, as a keyboard player has it.
struct Player : TestWindow {
    Player() { QVERIFY(show_active(w)); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // Access keys click their buttons after a short animation.
    void command(Qt::Key key, bool board_enabled_after)
    {
        QTest::keyClick(&w, key, Qt::AltModifier);
        QTRY_COMPARE(f.Frame1.enabled(), board_enabled_after);
    }
};

// Qt's accessibility warns in logging categories of its own: its warnings
// reach the test named by their category, which fails it.
QtMessageHandler test_log = nullptr;

void name_category(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    test_log(type, context, context.category ? QLatin1String(context.category) + QStringLiteral(": ") + message : message);
}

}  // namespace

class TestAccess : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test_log = qInstallMessageHandler(name_category); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^qt\\.accessibility"))); }

    void controls_have_spanish_names()
    {
        TestWindow t;
        t.w.show();  // what is on show
        QCOMPARE(name_of(control(t, "btniniciar")), QStringLiteral("Iniciar"));
        QCOMPARE(name_of(control(t, "btndetener")), QStringLiteral("Detener"));
        QCOMPARE(name_of(control(t, "btnsalir")), QStringLiteral("Salir"));
        QCOMPARE(name_of(control(t, "Label1")), QStringLiteral("Acertados"));
        QCOMPARE(name_of(control(t, "txtacertados")), QStringLiteral("Acertados"));
        QCOMPARE(name_of(control(t, "txtfallados")), QStringLiteral("Fallados"));
        QCOMPARE(name_of(control(t, "txttiempo")), QStringLiteral("Tiempo"));
        QCOMPARE(name_of(control(t, "Frame2")), QStringLiteral("Controles"));
        QCOMPARE(name_of(control(t, "Frame3")), QStringLiteral("Indicadores"));
        QCOMPARE(name_of(control(t, "Frame1")), QStringLiteral("Tablero"));
        // Access keys as Windows writes them.
        for (auto [name, key] : {std::pair("btniniciar", "Alt+I"), std::pair("btndetener", "Alt+T"), std::pair("btnsalir", "Alt+L")})
            QCOMPARE(iface(control(t, name))->text(QAccessible::Accelerator), QLatin1String(key));
        QCOMPARE(unnamed_within(iface(&t.w)), QStringList());

        game::btniniciar_Click(t.f);
        game::Timer1_Timer(t.f);
        t.f.btnsuperior(5).set_visible(false);
        QCOMPARE(unnamed_within(iface(&t.w)), QStringList());
        QCOMPARE(iface(control(t, "txtacertados"))->text(QAccessible::Value), QStringLiteral("0"));
        QCOMPARE(iface(control(t, "txttiempo"))->text(QAccessible::Value), QStringLiteral("1"));
        game::btndetener_Click(t.f);
        QCOMPARE(name_of(control(t, "btndetener")), QStringLiteral("Continuar"));

        // Qt's own texts that a player can reach: a counter's context menu.
        QScopedPointer<QMenu> menu(static_cast<QPlainTextEdit*>(control(t, "txtacertados"))->createStandardContextMenu());
        QStringList items;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                items << action->text();
        QCOMPARE(items, QStringList({QStringLiteral("&Copiar\tControl+C"), QStringLiteral("Seleccionar todo\tControl+A")}));
        // And the names of the accessible actions.
        QAccessibleActionInterface* actions = iface(control(t, "btniniciar"))->actionInterface();
        QCOMPARE(actions->localizedActionName(QAccessibleActionInterface::pressAction()), QStringLiteral("Pulsar"));
        QCOMPARE(actions->localizedActionName(QAccessibleActionInterface::setFocusAction()), QStringLiteral("Enfocar"));
        QCOMPARE(actions->localizedActionDescription(QAccessibleActionInterface::pressAction()), QStringLiteral("Desencadena la acción"));
    }

    // The board lists what a player sees, cell by cell: a back by its place,
    // a turned card by its picture, nothing for a cell off the board; a face
    // down is nameless. Each change of the list is told as it happens.
    void the_board_lists_its_cells_in_order()
    {
        TestWindow t;
        game::btniniciar_Click(t.f);
        QAccessibleInterface* board = iface(control(t, "Frame1"));
        auto listed = [&] {
            QStringList names;
            for (int k = 0; k < board->childCount(); ++k) {
                QAccessibleInterface* child = board->child(k);
                names << (board->indexOfChild(child) == k ? child->text(QAccessible::Name) : QStringLiteral("<misplaced>"));
            }
            return names;
        };
        QStringList expected;
        for (int i = 0; i < game::cells; ++i) {
            expected << QStringLiteral("Carta %1").arg(i + 1);
            QVERIFY(name_of(t.face(i)).isEmpty());
        }
        QCOMPARE(listed(), expected);

        // What leaves (-) and joins (+) the board, as it happens. Qt tells
        // only where assistive technology listens: not offscreen.
        const bool telling = QGuiApplication::platformName() != QLatin1String("offscreen");
        if (telling)
            QTRY_VERIFY(QAccessible::isActive());
        static QStringList told;
        told.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            const QAccessible::Event type = event->type();
            if (type == QAccessible::ObjectCreated || type == QAccessible::ObjectDestroyed)
                told << (type == QAccessible::ObjectCreated ? QStringLiteral("+") : QStringLiteral("-")) +
                            event->accessibleInterface()->text(QAccessible::Name);
        });
        const int i = 7, j = t.partner(i), k = j == 8 ? 9 : 8;
        const QString back_i = expected[i], back_k = expected[k], picture_i = picture_of(t, i), picture_k = picture_of(t, k);
        game::btnsuperior_Click(t.f, i);  // turned: its picture, in its own cell
        expected[i] = picture_i;
        QCOMPARE(listed(), expected);
        QVERIFY(name_of(t.face(j)).isEmpty());
        if (telling)
            QCOMPARE(told, QStringList({"-" + back_i, "+" + picture_i}));
        told.clear();
        game::btnsuperior_Click(t.f, k);  // a miss: both turned back
        expected[i] = back_i;
        QCOMPARE(listed(), expected);
        if (telling)
            QCOMPARE(told, QStringList({"-" + back_k, "+" + picture_k, "-" + picture_i, "+" + back_i, "-" + picture_k, "+" + back_k}));
        game::btnsuperior_Click(t.f, i);  // a match: its cells list nothing
        game::btnsuperior_Click(t.f, static_cast<std::int16_t>(j));
        QAccessible::installUpdateHandler(nullptr);
        expected.removeAt(std::max(i, j));
        expected.removeAt(std::min(i, j));
        QCOMPARE(listed(), expected);
        QVERIFY(name_of(t.face(i)).isEmpty() && name_of(t.face(j)).isEmpty());
    }

    // Pause and Continue change sixty cards at once: a screen reader hears
    // them a few at a time, every card on show once, in its true state.
    void the_board_tells_its_state_a_few_cards_at_a_time()
    {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QSKIP("Qt tells assistive technology only where it listens");
        TestWindow t;
        QVERIFY(show_active(t.w));
        QTRY_VERIFY(QAccessible::isActive());
        game::btniniciar_Click(t.f);
        static QList<std::pair<QObject*, bool>> told;  // card, disabled when told
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::StateChanged && event->object()->property("Index").isValid())
                told.append({event->object(), event->accessibleInterface()->state().disabled});
        });
        for (bool enabled : {false, true}) {
            told.clear();
            t.f.Frame1.set_enabled(enabled);
            QVERIFY(told.isEmpty());
            for (qsizetype before = 0; before < game::cells; before = told.size()) {
                QVERIFY(QTest::qWaitFor([&] { return told.size() > before; }));
                QVERIFY2(told.size() - before <= 5, qPrintable(QString::number(told.size() - before)));
            }
            QTest::qWait(200);
            std::set<QObject*> cards;
            for (auto [card, disabled] : told) {
                QVERIFY(cards.insert(card).second);
                QCOMPARE(disabled, !enabled);
                QCOMPARE(static_cast<QWidget*>(card)->isEnabled(), enabled);
            }
            for (int i = 0; i < game::cells; ++i)
                QVERIFY(cards.contains(t.back(i)));
        }
        QAccessible::installUpdateHandler(nullptr);
    }

    // Named by what it shows: a key; empty, nothing at all (not a blank),
    // and nothing a player can reach.
    void the_peek_label_reads_what_it_shows()
    {
        TestWindow t;
        t.w.show();
        QAccessibleInterface* label = iface(control(t, "Label5"));
        QVERIFY(label->text(QAccessible::Name).isEmpty() && label->state().invisible);
        game::btniniciar_Click(t.f);
        game::btnsuperior_MouseMove(t.f, 12, 0, 2, 0, 0);
        QCOMPARE(label->text(QAccessible::Name), QString::number(t.key(12)));
        QVERIFY(!label->state().invisible);
        game::btnsuperior_MouseMove(t.f, 12, 0, 0, 0, 0);
        QVERIFY(label->text(QAccessible::Name).isEmpty() && label->state().invisible);
    }

    // An assistive press returns at once and the click follows, as for a
    // plain push button; by then the control may no longer take a click.
    void assistive_presses_return_before_the_click()
    {
        Player t;
        auto press = [](QWidget* widget) {
            iface(widget)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        };
        press(control(t, "btniniciar"));
        QVERIFY(!t.f.Frame1.enabled());
        QTRY_VERIFY(t.f.Frame1.enabled());

        press(t.back(5));
        QTest::mouseClick(t.back(5), Qt::LeftButton);  // turned by the player meanwhile
        QTest::qWait(300);
        QCOMPARE(t.f.pending.contador, std::int16_t{1});
        QVERIFY(t.answers.asked.empty());

        press(control(t, "btndetener"));
        QCOMPARE(q(t.f.btndetener.caption()), QStringLiteral("De&tener"));
        QTRY_COMPARE(q(t.f.btndetener.caption()), QStringLiteral("Con&tinuar"));
        press(control(t, "btndetener"));
        QTRY_VERIFY(t.f.Frame1.enabled());
        press(t.back(3));
        QVERIFY(t.f.btnsuperior(3).visible());
        QTRY_COMPARE(t.answers.asked.size(), std::size_t{1});
        press(control(t, "btnsalir"));
        QCOMPARE(t.answers.asked.size(), std::size_t{1});
        QTRY_COMPARE(t.answers.asked.size(), std::size_t{2});
        QCOMPARE(q(t.answers.asked[1].title), QStringLiteral("CONFIRMAR"));
    }

    // The result box: an alert as wide as its title needs, beside the cards it
    // judges, with text-only buttons; the card turned just before it is told.
    void a_result_box_leaves_the_turned_cards_in_view()
    {
        window::Frmprincipal w;
        w.runtime().random().fix_seed(3);
        QVERIFY(show_active(w));
        game::Form& f = w.form();
        game::btniniciar_Click(f);
        // The two cells under the window's centre, where a box would stand.
        QWidget* board = w.findChild<QWidget*>(QStringLiteral("Frame1"));
        int i = 0;
        for (int cell = 1; cell < game::cells; ++cell) {
            auto distance = [&](int c) {
                const QPoint d = tk::qt::widget(f.btnsuperior(static_cast<std::int16_t>(c)))->geometry().center() -
                                 board->mapFrom(&w, w.rect().center());
                return d.manhattanLength();
            };
            if (distance(cell) < distance(i))
                i = cell;
        }
        const int k = i % 10 < 9 ? i + 1 : i - 1;
        QVERIFY(f.btnsuperior(static_cast<std::int16_t>(k)).tag() != f.btnsuperior(static_cast<std::int16_t>(i)).tag());
        tk::qt::widget(f.btnsuperior(static_cast<std::int16_t>(i)))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        tk::qt::widget(f.btnsuperior(static_cast<std::int16_t>(k)))->setFocus();

        QRect box_frame;
        Qt::WindowFlags box_flags;
        std::vector<QRect> first_turned;
        QString role_and_title, description, told, icon_name;
        QStringList children;
        [[maybe_unused]] bool described_by_label = false;
        int title_room = 0;
        bool text_only = true, focus_shown = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QAccessibleInterface* alert = iface(box);
            role_and_title = QString::number(alert->role()) + alert->text(QAccessible::Name);
            // Its text said once: as a child, or as its description, or as
            // both where the child describes the box.
            description = alert->text(QAccessible::Description);
            for (int k = 0; k < alert->childCount(); ++k) {
                QAccessibleInterface* child = alert->child(k);
                children << QString::number(child->role()) + child->text(QAccessible::Name) +
                                (child->parent()->object() == box ? QString() : QStringLiteral(" elsewhere"));
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
                for (const auto& [other, relation] : child->relations(QAccessible::Described))
                    described_by_label = described_by_label || other->object() == box;
#endif
            }
            box_frame = outer_frame(box);
            box_flags = box->windowFlags();
            first_turned = turned_faces(f);
            QFont bold = box->font();
            bold.setBold(true);
            title_room = box->width() - QFontMetrics(bold).horizontalAdvance(box->windowTitle());
            for (QAbstractButton* button : box->buttons())
                text_only = text_only && button->icon().isNull();
            for (QLabel* label : box->findChildren<QLabel*>())
                if (!label->pixmap().isNull())
                    icon_name = name_of(label);
            told = w.findChild<tk::qt::Announcer*>()->said();
            QWidget* button = box->focusWidget();
            if (make_active(*box) && QTest::qWaitFor([&] { return button->hasFocus(); })) {
                const QImage focused = button->grab().toImage();
                button->clearFocus();
                focus_shown = button->grab().toImage() != focused;
            }
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(role_and_title, QString::number(QAccessible::AlertMessage) + QStringLiteral("RESULTADO"));
        // Its icon, its text where a platform has it a child, and its button,
        // each named and a child of the box, not of the row of buttons.
        const QString icon = QString::number(QAccessible::Graphic) + QStringLiteral("Advertencia");
        const QString text = QString::number(QAccessible::StaticText) + QStringLiteral("Incorrecto");
        const QString button = QString::number(QAccessible::Button) + QStringLiteral("Aceptar");
#if defined(Q_OS_WIN)  // as Windows' own boxes
        QCOMPARE(description, QString());
        QCOMPARE(children, QStringList({icon, text, button}));
#elif QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QCOMPARE(description, QStringLiteral("Incorrecto"));
        QCOMPARE(children, QStringList({icon, text, button}));
        QVERIFY(described_by_label);
#else
        QCOMPARE(description, QStringLiteral("Incorrecto"));
        QCOMPARE(children, QStringList({icon, button}));
#endif
        QVERIFY2(title_room >= 100, qPrintable(QString::number(title_room)));
        QVERIFY(text_only);
        QVERIFY(focus_shown);
        QCOMPARE(icon_name, QStringLiteral("Advertencia"));
        QCOMPARE(told, QString::fromUtf16(card_names[f.btnimagen(static_cast<std::int16_t>(k)).picture().number() - 1]));
        // Where a window stands is the compositor's choice on Wayland.
        const bool placed = QGuiApplication::platformName() != QLatin1String("wayland");

        // Boxes after it, each answered at once: its outer frame, its flags
        // and the cards turned up while it shows.
        struct Shown {
            const char* kind;
            QRect frame;
            Qt::WindowFlags flags;
            std::vector<QRect> turned;
        };
        auto box_for = [&](const char* kind, auto&& act, Qt::Key answer) {
            Shown shown{kind, {}, {}, {}};
            QTimer::singleShot(0, [&] {
                QWidget* box = QApplication::activeModalWidget();
                QVERIFY(box);
                shown.frame = outer_frame(box);
                shown.flags = box->windowFlags();
                shown.turned = turned_faces(f);
                QTest::keyClick(box, answer);
            });
            act();
            return shown;
        };
        auto result = [&](const char* kind, int a, int b) {
            return box_for(kind, [&] {
                game::btnsuperior_Click(f, static_cast<std::int16_t>(a));
                game::btnsuperior_Click(f, static_cast<std::int16_t>(b));
            }, Qt::Key_Return);
        };
        auto question = [&] { return box_for("question", [&] { game::btnsalir_Click(f); }, Qt::Key_Escape); };
        // However many boxes came before, a box opens centred over the
        // window, frame over frame; one that must move aside covers no
        // turned card and stands where the first one did; no box offers to
        // minimise or maximise.
        std::vector<Shown> boxes{{"centre", box_frame, box_flags, first_turned}};
        boxes.push_back(result("corners", 0, 59));
        boxes.push_back(result("centre", i, k));
        boxes.push_back(question());
        boxes.push_back(result("corners", 9, 50));
        boxes.push_back(question());
        boxes.push_back(result("centre", i, k));
        QCOMPARE(q(f.txtfallados.text()).toInt() + q(f.txtacertados.text()).toInt(), 5);
        QStringList faults;
        const QPoint centre = w.frameGeometry().center();
        for (std::size_t n = 0; n < boxes.size(); ++n) {
            const Shown& shown = boxes[n];
            const QRect& r = shown.frame;
            const QString at = QStringLiteral("box %1 (%2) at %3, %4 %5x%6")
                                   .arg(n + 1).arg(QLatin1String(shown.kind)).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
            if ((shown.flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) ||
                !(shown.flags & Qt::WindowCloseButtonHint))
                faults << at + QStringLiteral(": flags 0x%1").arg(int(shown.flags), 0, 16);
            if (shown.turned.size() != (QLatin1String(shown.kind) == QLatin1String("question") ? 0u : 2u))
                faults << at + QStringLiteral(": %1 cards turned").arg(shown.turned.size());
            if (!placed)
                continue;
            for (const QRect& card : shown.turned)
                if (r.intersects(card))
                    faults << at + QStringLiteral(" covers the card at %1, %2 %3x%4").arg(card.x()).arg(card.y()).arg(card.width()).arg(card.height());
            const QPoint off = r.center() - centre;
            if (QLatin1String(shown.kind) == QLatin1String("centre")) {
                if (r != box_frame)
                    faults << at + QStringLiteral(", not where box 1 stood");
            } else if (std::abs(off.x()) > 1 || std::abs(off.y()) > 1) {
                faults << at + QStringLiteral(": %1, %2 off the window's centre").arg(off.x()).arg(off.y());
            }
        }
        if (placed) {
            // The moved box stands no farther from the centre than the
            // nearest place straight up, down or aside that clears both
            // cards, and a few pixels more to leave a gap.
            const QRect centred = box_frame.translated(centre - box_frame.center());
            int nearest = std::numeric_limits<int>::max();
            for (const QPoint step : {QPoint(0, -1), QPoint(0, 1), QPoint(-1, 0), QPoint(1, 0)}) {
                int n = 0;
                while (std::any_of(first_turned.begin(), first_turned.end(),
                                   [&](const QRect& card) { return centred.translated(step * n).intersects(card); }))
                    ++n;
                nearest = std::min(nearest, n);
            }
            const QPoint shift = box_frame.center() - centre;
            if (std::hypot(shift.x(), shift.y()) > nearest + 3)
                faults << QStringLiteral("box 1 moved by %1, %2 where %3 would do").arg(shift.x()).arg(shift.y()).arg(nearest);
        }

        // A box the desktop hides anyway takes the window it blocks along,
        // and comes back, in front, when the player activates that window
        // (on Wayland, only the compositor knows a window minimised).
        bool back = false, along = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            QVERIFY(QTest::qWaitForWindowExposed(box));
            box->showMinimized();
            static_cast<void>(QTest::qWaitFor([&] { return !box->windowHandle()->isExposed(); }, 1000));
            along = QTest::qWaitFor([&] { return w.isMinimized(); }, 1000);
            report_active(w.windowHandle());
            back = QTest::qWaitFor([&] { return !box->isMinimized() && QApplication::activeWindow() == box; });
            box->showNormal();
            QTest::keyClick(box, Qt::Key_Return);
        });
        game::btnsuperior_Click(f, static_cast<std::int16_t>(i));
        game::btnsuperior_Click(f, static_cast<std::int16_t>(k));
        if (!along && placed)
            faults << QStringLiteral("a minimised box leaves its window blocked on show");
        if (!back && placed)
            faults << QStringLiteral("a minimised box stays hidden when the window is activated");
        if (w.isMinimized())
            faults << QStringLiteral("the window stays minimised once its box is back");
        QVERIFY2(faults.isEmpty(), qPrintable(QLatin1Char('\n') + faults.join(QLatin1Char('\n'))));
    }

    // A result box takes the keyboard from the card just turned, which its
    // answer covers or takes off the board: the window keeps the keyboard
    // while the box is open, and gets it back where the answer left the
    // cell, on its back after a miss, on the next card after a pair. The
    // window's focus widget is asked: offscreen, a closed box gives the
    // window no activation back.
    void a_result_keeps_the_keyboard_with_the_window()
    {
        Player t;
        t.w.runtime().set_message_box_hook(nullptr);  // real boxes
        t.command(Qt::Key_I, true);
        auto judge = [&](int first, int second) {
            QWidget* kept = nullptr;  // the window's focus while the box is open
            t.back(first)->setFocus();
            t.key(Qt::Key_Space);
            t.back(second)->setFocus();
            QTimer::singleShot(0, [&] {
                QWidget* box = QApplication::activeModalWidget();
                if (!box)
                    return;
                if (make_active(*box))
                    kept = t.w.focusWidget();
                QTest::keyClick(box, Qt::Key_Return);
            });
            t.key(Qt::Key_Space);
            return kept;
        };
        const int stranger = t.partner(0) == 1 ? 2 : 1;
        QCOMPARE(judge(0, stranger), &t.w);
        QCOMPARE(t.w.focusWidget(), t.back(stranger));
        QVERIFY(make_active(t.w));
        QCOMPARE(judge(stranger, t.partner(stranger)), &t.w);
        int next = t.partner(stranger) + 1;
        while (!t.back(next % game::cells)->isVisible())
            ++next;
        QCOMPARE(t.w.focusWidget(), t.back(next % game::cells));
    }

    void arrows_move_along_rows_and_columns_of_the_board()
    {
        Player t;
        t.command(Qt::Key_I, true);
        QCOMPARE(cell_with_focus(), 0);  // the keyboard is on the board after a deal
        const std::pair<Qt::Key, int> walk[] = {
            {Qt::Key_Right, 1}, {Qt::Key_Down, 11}, {Qt::Key_Left, 10}, {Qt::Key_Up, 0}, {Qt::Key_Up, 0}, {Qt::Key_Left, 0}};
        for (auto [key, cell] : walk) {
            t.key(key);
            QCOMPARE(cell_with_focus(), cell);
        }
        // Cells off the board are skipped; a turned card is a stop, on its face.
        for (std::int16_t gone : {1, 2}) {
            t.f.btnsuperior(gone).set_visible(false);
            t.f.btnimagen(gone).set_visible(false);
        }
        t.f.btnsuperior(3).set_visible(false);
        t.key(Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), t.face(3));
        t.key(Qt::Key_Right);
        QCOMPARE(cell_with_focus(), 4);
        t.key(Qt::Key_Down);
        QCOMPARE(cell_with_focus(), 14);

        // Late in a game no card may be out of reach: without one straight
        // along the way, Left and Right go on in reading order, Up and Down
        // to the nearest row, to its nearest column.
        const std::set<int> left = {5, 13, 47, 54, 58};
        for (std::int16_t i = 0; i < game::cells; ++i) {
            if (!left.contains(i)) {
                t.f.btnsuperior(i).set_visible(false);
                t.f.btnimagen(i).set_visible(false);
            }
        }
        const std::tuple<int, Qt::Key, int> moves[] = {
            {47, Qt::Key_Right, 54}, {47, Qt::Key_Left, 13}, {47, Qt::Key_Down, 58}, {47, Qt::Key_Up, 13},
            {54, Qt::Key_Up, 47},    {54, Qt::Key_Right, 58}, {5, Qt::Key_Down, 13},  {5, Qt::Key_Left, 5},
            {58, Qt::Key_Right, 58}, {13, Qt::Key_Up, 5}};
        for (auto [from, key, to] : moves) {
            t.back(from)->setFocus();
            t.key(key);
            QCOMPARE(cell_with_focus(), to);
        }
        // Up and Down go straight along the column first, past emptied rows.
        t.f.btnsuperior(55).set_visible(true);
        t.back(5)->setFocus();
        t.key(Qt::Key_Down);
        QCOMPARE(cell_with_focus(), 55);
    }

    // A whole game by keyboard alone, hearing what a sighted player sees.
    void a_whole_game_by_keyboard_alone()
    {
        Player t;
        t.command(Qt::Key_I, true);
        // From Salir, Tab reaches the first card over the counters and clock.
        // Every stop shows that it has the keyboard; a counter takes no text.
        control(t, "btnsalir")->setFocus();
        int presses = 0;
        for (; presses < 10 && cell_with_focus() != 0; ++presses) {
            QWidget* stop = QApplication::focusWidget();
            if (auto* counter = qobject_cast<QPlainTextEdit*>(stop)) {
                const QString text = counter->toPlainText();
                QTest::keyClicks(counter, QStringLiteral("7"));
                t.key(Qt::Key_Delete);
                t.key(Qt::Key_Backspace);
                QCOMPARE(counter->toPlainText(), text);
            }
            const QImage focused = stop->grab().toImage();
            t.key(Qt::Key_Tab);
            QVERIFY2(stop->grab().toImage() != focused, qPrintable(stop->objectName()));
        }
        QCOMPARE(presses, 4);

        // Pause and continue by Alt+T: the keyboard goes to the button, and
        // its new caption is told where the focus already was.
        t.command(Qt::Key_T, false);
        QCOMPARE(QApplication::focusWidget(), control(t, "btndetener"));
        t.command(Qt::Key_T, true);
        QCOMPARE(announced(t), QStringLiteral("Detener"));

        // A miss: the turned card keeps the keyboard, which stays on the cell.
        t.back(0)->setFocus();
        t.key(Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), t.face(0));
        const int stranger = t.partner(0) == 1 ? 2 : 1;
        t.key(Qt::Key_Right);
        while (cell_with_focus() != stranger)
            t.key(Qt::Key_Right);
        t.key(Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), t.back(stranger));
        QCOMPARE(announced(t), QStringLiteral("Fallados 1"));

        // Every pair by Tab and Space, the first by Return and the keypad's
        // Enter, which press a button as Space does; a found pair passes the
        // keyboard on.
        int presses_made = 0;
        auto turn = [&](int cell) {
            for (int k = 0; k < 300 && QApplication::focusWidget() != t.back(cell); ++k)
                t.key(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), t.back(cell));
            const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter};
            const Qt::Key key = presses_made < 2 ? keys[presses_made] : Qt::Key_Space;
            ++presses_made;
            t.key(key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QTRY_VERIFY(!t.back(cell)->isVisible());
        };
        for (int pair = 0; pair < 30; ++pair) {
            int i = 0;
            while (!t.f.btnsuperior(static_cast<std::int16_t>(i)).visible())
                ++i;
            const int j = t.partner(i);
            // The keyboard then goes to the card next after j, wrapping round.
            int next = -1;
            for (int k = 1; k < game::cells && next < 0; ++k) {
                const int cell = (j + k) % game::cells;
                if (cell != i && t.f.btnsuperior(static_cast<std::int16_t>(cell)).visible())
                    next = cell;
            }
            turn(i);
            turn(j);
            if (QTest::currentTestFailed())
                return;
            QCOMPARE(announced(t), QStringLiteral("Acertados %1").arg(pair + 1));
            if (pair < 29)
                QCOMPARE(cell_with_focus(), next);
        }
        QCOMPARE(t.state(), QStringLiteral("finished"));
        QCOMPARE(QApplication::focusWidget(), control(t, "btniniciar"));
        t.key(Qt::Key_Return);
        QTRY_COMPARE(t.state(), QStringLiteral("running"));
        // Once said, a notice leaves nothing behind on show.
        auto* announcer = t.w.findChild<tk::qt::Announcer*>();
        QTRY_VERIFY(announcer->isHidden() && announcer->accessibleName().isEmpty());
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
