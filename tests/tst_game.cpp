// Playing through the real window: turns, results, game control, closing, peek.
#include "fixture.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

void move_over(QWidget* widget, Qt::KeyboardModifiers keys)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, keys);
    QApplication::sendEvent(widget, &move);
}

QAbstractButton* button(TestWindow& t, const char* name)
{
    return t.w.findChild<QAbstractButton*>(QLatin1String(name));
}

// Shown, active and started: a game in the running state.
struct Game : TestWindow {
    Game()
    {
        hold_the_clock();
        QVERIFY(show_active(w));
    }
    void start() { click(button(*this, "btniniciar")); }
    void pause_or_continue() { click(button(*this, "btndetener")); }
    // s: Start, d: Pause/Continue, p: pick a card, f: finish the game;
    // a tick of the clock after each.
    void run(const QString& steps)
    {
        for (QChar step : steps) {
            if (step == QLatin1Char('s'))
                start();
            else if (step == QLatin1Char('d'))
                pause_or_continue();
            else if (step == QLatin1Char('p'))
                click(back(cell_on_board()));
            else
                for (int i; (i = cell_on_board()) >= 0;) {
                    click(back(i));
                    click(back(partner(i)));
                }
            game::Timer1_Timer(f);
        }
    }
    // A cell still on the board whose partner is too, from cell `from` on.
    int cell_on_board(int from = 0) const
    {
        for (int i = from; i < game::cells; ++i)
            if (!back(i)->isHidden())
                return i;
        return -1;
    }
    // A cell on the board that is not i's partner.
    int stranger(int i) const
    {
        for (int j = 0; j < game::cells; ++j)
            if (j != i && j != partner(i) && !back(j)->isHidden())
                return j;
        return -1;
    }
};

}  // namespace

class TestGame : public QObject {
    Q_OBJECT

private slots:
    void a_whole_game_to_the_thirtieth_pair()
    {
        Game g;
        g.start();
        QCOMPARE(g.state(), QStringLiteral("running"));
        for (int pair = 0; pair < 30; ++pair) {
            const int i = g.cell_on_board();
            const int j = g.partner(i);
            click(g.back(i));
            game::Timer1_Timer(g.f);
            click(g.back(j));
        }
        QCOMPARE(q(g.f.txtacertados.text()), QStringLiteral("30"));
        QCOMPARE(q(g.f.txtfallados.text()), QStringLiteral("0"));
        QCOMPARE(q(g.f.txttiempo.text()), QStringLiteral("30"));
        QCOMPARE(g.state(), QStringLiteral("finished"));
        QCOMPARE(g.f.pending.contador, std::int16_t{0});
        for (int i = 0; i < game::cells; ++i)
            QVERIFY(g.face(i)->isHidden() && g.back(i)->isHidden());
        QCOMPARE(g.answers.asked.size(), std::size_t{30});
        for (const tk::MessageBoxCall& call : g.answers.asked) {
            QCOMPARE(q(call.prompt), QStringLiteral("Correcto"));
            QCOMPARE(q(call.title), QStringLiteral("RESULTADO"));
            QCOMPARE(call.style, std::int16_t{48});
        }
        // Finished: Start is the only game command, and it starts anew.
        QVERIFY(!button(g, "btndetener")->isEnabled());
        g.start();
        QCOMPARE(g.state(), QStringLiteral("running"));
        QCOMPARE(q(g.f.txtacertados.text()), QStringLiteral("0"));
        QVERIFY(!g.back(0)->isHidden());
    }

    void a_first_pick_then_a_match_or_a_miss()
    {
        Game g;
        g.start();
        const int i = g.cell_on_board(), j = g.partner(i), k = g.stranger(i);

        click(g.back(i));
        QVERIFY(g.back(i)->isHidden() && !g.face(i)->isHidden());
        QCOMPARE(g.f.pending.contador, std::int16_t{1});
        QCOMPARE(int{g.f.pending.valor_primero}, g.key(i));
        QCOMPARE(int{g.f.pending.indice_primero}, i);
        QVERIFY(g.answers.asked.empty());

        // Clicking the turned card's face does nothing.
        click(g.face(i));
        QCOMPARE(g.f.pending.contador, std::int16_t{1});

        // A miss: both turn back, one failed attempt.
        g.answers.queue.clear();
        click(g.back(k));
        QCOMPARE(q(g.answers.asked.back().prompt), QStringLiteral("Incorrecto"));
        QCOMPARE(q(g.answers.asked.back().title), QStringLiteral("RESULTADO"));
        QVERIFY(!g.back(i)->isHidden() && !g.back(k)->isHidden());
        QCOMPARE(q(g.f.txtfallados.text()), QStringLiteral("1"));
        QCOMPARE(q(g.f.txtacertados.text()), QStringLiteral("0"));
        QCOMPARE(g.f.pending.contador, std::int16_t{0});

        // A match: both cells leave the board.
        click(g.back(j));
        click(g.back(i));
        QCOMPARE(q(g.answers.asked.back().prompt), QStringLiteral("Correcto"));
        QVERIFY(g.back(i)->isHidden() && g.face(i)->isHidden() && g.back(j)->isHidden() && g.face(j)->isHidden());
        QCOMPARE(q(g.f.txtacertados.text()), QStringLiteral("1"));
        QCOMPARE(q(g.f.txtfallados.text()), QStringLiteral("1"));
        QCOMPARE(g.state(), QStringLiteral("running"));
    }

    void cards_stay_turned_while_the_result_is_shown()
    {
        Game g;
        g.start();
        const int i = g.cell_on_board(), k = g.stranger(i);
        bool both_shown = false;
        g.w.runtime().set_message_box_hook([&](const tk::MessageBoxCall&) {
            both_shown = g.back(i)->isHidden() && g.back(k)->isHidden() && q(g.f.txtfallados.text()) == QLatin1String("0");
            return std::int16_t{tk::IDOK};
        });
        click(g.back(i));
        click(g.back(k));
        QVERIFY(both_shown);
    }

    void keys_compare_as_numbers()
    {
        Game g;
        g.start();
        g.f.btnsuperior(3).set_tag(u"07");
        g.f.btnsuperior(4).set_tag(u"7");
        click(g.back(3));
        click(g.back(4));
        QCOMPARE(q(g.answers.asked.back().prompt), QStringLiteral("Correcto"));
    }

    void counters_without_a_number_count_from_zero()
    {
        Game g;
        g.start();
        g.f.txttiempo.set_text(u"abc");
        game::Timer1_Timer(g.f);
        QCOMPARE(q(g.f.txttiempo.text()), QStringLiteral("1"));
        g.f.txtacertados.set_text(u"");
        const int i = g.cell_on_board();
        click(g.back(i));
        click(g.back(g.partner(i)));
        QCOMPARE(q(g.f.txtacertados.text()), QStringLiteral("1"));
    }

    void the_end_reads_only_the_hits_text()
    {
        Game g;
        g.start();
        g.f.txtacertados.set_text(u"29");
        const int i = g.cell_on_board();
        click(g.back(i));
        click(g.back(g.partner(i)));
        QCOMPARE(g.state(), QStringLiteral("finished"));
        QVERIFY(!g.back(g.cell_on_board())->isHidden());  // cards remain, still playable
        g.f.txtacertados.set_text(u"40");
        const int a = g.cell_on_board();
        click(g.back(a));
        click(g.back(g.partner(a)));
        QCOMPARE(q(g.f.txtacertados.text()), QStringLiteral("41"));
        QCOMPARE(g.state(), QStringLiteral("finished"));
    }

    void state_transitions_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        QTest::newRow("built") << "" << "idle";
        QTest::newRow("start") << "s" << "running";
        QTest::newRow("pause") << "sd" << "paused";
        QTest::newRow("continue") << "sdd" << "resumed";
        QTest::newRow("pause again") << "sddd" << "paused";
        QTest::newRow("start from paused") << "sds" << "running";
        QTest::newRow("start from resumed") << "sdds" << "running";
        QTest::newRow("finish") << "sf" << "finished";
        QTest::newRow("finish after resuming") << "sddf" << "finished";
        QTest::newRow("start from finished") << "sfs" << "running";
    }
    void state_transitions()
    {
        QFETCH(QString, steps);
        QFETCH(QString, state);
        Game g;
        g.run(steps);
        QCOMPARE(g.state(), state);
        QCOMPARE(g.w.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive(), state == QLatin1String("running") || state == QLatin1String("resumed"));
        if (steps.endsWith(QLatin1Char('s'))) {
            QCOMPARE(q(g.f.txtacertados.text()), QStringLiteral("0"));
            QCOMPARE(q(g.f.txtfallados.text()), QStringLiteral("0"));
            QCOMPARE(q(g.f.txttiempo.text()), QStringLiteral("1"));
            for (int i = 0; i < game::cells; ++i)
                QVERIFY(!g.back(i)->isHidden() && g.f.btnimagen(static_cast<std::int16_t>(i)).visible());
        }
        // Only running and resumed boards take clicks.
        if (g.cell_on_board() >= 0) {
            const QString before = g.snapshot();
            click(g.back(g.cell_on_board()));
            QCOMPARE(g.snapshot() != before, g.f.Frame1.enabled());
        }
    }

    void a_pick_pending_at_a_pause_survives_continue()
    {
        Game g;
        g.start();
        const int i = g.cell_on_board();
        click(g.back(i));
        g.pause_or_continue();
        QCOMPARE(g.state(), QStringLiteral("paused"));
        QVERIFY(g.back(i)->isHidden() && !g.face(i)->isHidden());
        QCOMPARE(g.f.pending.contador, std::int16_t{1});
        g.pause_or_continue();
        click(g.back(g.partner(i)));
        QCOMPARE(q(g.f.txtacertados.text()), QStringLiteral("1"));
    }

    void start_forgets_a_pick_pending_from_the_last_game()
    {
        Game g;
        g.start();
        const int i = g.cell_on_board();
        click(g.back(i));
        g.pause_or_continue();
        g.start();
        QCOMPARE(g.f.pending.contador, std::int16_t{0});
        // The first click of the new game is a first pick, not a judgement.
        click(g.back(i));
        QVERIFY(g.answers.asked.empty());
        QCOMPARE(g.f.pending.contador, std::int16_t{1});
        QCOMPARE(int{g.f.pending.indice_primero}, i);
        click(g.back(g.partner(i)));
        QCOMPARE(q(g.f.txtacertados.text()), QStringLiteral("1"));
    }

    void a_refused_close_changes_nothing_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("how");  // 0 Exit button, 1 Alt+L, 2 the window's close command, 3 close from the program
        for (int how = 0; how < 4; ++how) {
            QTest::addRow("idle %d", how) << "" << how;
            QTest::addRow("running with a pick %d", how) << "sp" << how;
            QTest::addRow("paused %d", how) << "sd" << how;
            QTest::addRow("resumed %d", how) << "sdd" << how;
            QTest::addRow("finished %d", how) << "sf" << how;
        }
    }
    void a_refused_close_changes_nothing()
    {
        QFETCH(QString, steps);
        QFETCH(int, how);
        Game g;
        g.run(steps);
        const QString before = g.snapshot();
        const bool ticking = g.w.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive();
        g.answers.asked.clear();
        g.answers.queue = {tk::IDNO};
        switch (how) {
        case 0: click(button(g, "btnsalir")); break;
        case 1: QTest::keyClick(&g.w, Qt::Key_L, Qt::AltModifier); break;
        case 2: g.w.windowHandle()->close(); break;
        default: g.w.close(); break;
        }
        QTRY_COMPARE(g.answers.asked.size(), std::size_t{1});
        QCOMPARE(q(g.answers.asked[0].prompt), QStringLiteral("¿Desea terminar el programa?"));
        QCOMPARE(q(g.answers.asked[0].title), QStringLiteral("CONFIRMAR"));
        QCOMPARE(g.answers.asked[0].style, std::int16_t{36});
        QVERIFY(g.w.isVisible());
        QVERIFY(!g.w.runtime().ended());
        QCOMPARE(g.snapshot(), before);
        QCOMPARE(g.w.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive(), ticking);
    }

    void the_desktop_session_asks_too()
    {
        Game g;
        g.start();
        const QString before = g.snapshot();
        g.answers.queue = {tk::IDNO};
        QVERIFY(g.w.session_ending());  // refused: the session waits
        QCOMPARE(g.snapshot(), before);
        g.answers.queue = {tk::IDYES};
        QVERIFY(!g.w.session_ending());
        QVERIFY(g.w.runtime().ended());
        QCOMPARE(g.answers.asked.size(), std::size_t{2});
        QCOMPARE(q(g.answers.asked[1].title), QStringLiteral("CONFIRMAR"));
    }

    // A close request from the window system while the question is open,
    // as a window manager or a taskbar sends it, is absorbed by the question.
    void a_second_close_while_asking_is_absorbed_data()
    {
        QTest::addColumn<bool>("asked_by_exit");
        QTest::newRow("Salir") << true;
        QTest::newRow("window manager") << false;
    }
    void a_second_close_while_asking_is_absorbed()
    {
        QFETCH(bool, asked_by_exit);
        Game g;
        g.start();
        g.w.runtime().set_message_box_hook(nullptr);  // the real question
        const QString before = g.snapshot();
        QWindow* window = g.w.windowHandle();
        using Events = QWindowSystemInterface;
        bool window_open = false, question_open = false;
        int questions = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            // What it answers means little while a modal box blocks the
            // window; what counts is what stays open.
            Events::handleCloseEvent<Events::SynchronousDelivery>(window);
            window_open = g.w.isVisible() && window->handle();
            question_open = QApplication::activeModalWidget() == box && box->isVisible();
            for (QWidget* top : QApplication::topLevelWidgets())
                questions += qobject_cast<QMessageBox*>(top) && top->isVisible();
            box->buttons().value(1)->click();  // No
        });
        if (asked_by_exit)
            click(button(g, "btnsalir"));
        else
            QVERIFY(!Events::handleCloseEvent<Events::SynchronousDelivery>(window));  // refused
        QVERIFY(window_open);
        QVERIFY(question_open);
        QCOMPARE(questions, 1);
        QVERIFY(g.w.isVisible() && g.w.windowHandle() == window && window->handle());
        QVERIFY(!g.w.runtime().ended());
        QCOMPARE(g.snapshot(), before);  // the game goes on: running, its clock ticking
        QVERIFY(g.w.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    }

    void yes_ends_the_program_and_nothing_runs_after()
    {
        Game g;
        g.start();
        game::Timer1_Timer(g.f);
        g.answers.queue = {tk::IDYES};
        click(button(g, "btnsalir"));
        QVERIFY(g.w.runtime().ended());
        QVERIFY(!g.w.isVisible());
        // A tick already queued, a click, a move: none reaches the game.
        g.w.findChild<QTimer*>(QStringLiteral("Timer1"))->start(1);
        const QString before = g.snapshot();
        QTest::qWait(20);
        g.back(g.cell_on_board())->click();
        move_over(g.back(5), Qt::ShiftModifier);
        QCOMPARE(g.snapshot(), before);
        QCOMPARE(g.answers.asked.size(), std::size_t{1});
    }

    void yes_during_a_result_stops_the_turn_there()
    {
        Game g;
        g.start();
        const int i = g.cell_on_board(), k = g.stranger(i);
        // The desktop session closes the window while "Incorrecto" is shown.
        g.w.runtime().set_message_box_hook([&](const tk::MessageBoxCall& call) {
            g.answers.asked.push_back(call);
            if (call.prompt == u"Incorrecto")
                g.w.close();
            return std::int16_t{call.prompt == u"Incorrecto" ? tk::IDOK : tk::IDYES};
        });
        click(g.back(i));
        click(g.back(k));
        QCOMPARE(g.answers.asked.size(), std::size_t{2});
        QVERIFY(g.w.runtime().ended());
        // The miss was never counted and the cards were never turned back.
        QCOMPARE(q(g.f.txtfallados.text()), QStringLiteral("0"));
        QVERIFY(g.back(i)->isHidden() && g.back(k)->isHidden());
    }

    void a_result_box_blocks_the_board_until_dismissed()
    {
        Game g;
        g.w.runtime().set_message_box_hook(nullptr);  // real, modal message boxes
        g.start();
        const int i = g.cell_on_board(), k = g.stranger(i), other = g.stranger(k);
        QString during;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            const QString before = g.snapshot();
            // Clicks, a double click and Start on the blocked window do nothing.
            for (int n = 0; n < 3; ++n)
                QTest::mouseClick(g.w.windowHandle(), Qt::LeftButton, {}, g.back(other)->mapTo(&g.w, QPoint(5, 5)));
            QTest::mouseDClick(g.w.windowHandle(), Qt::LeftButton, {}, g.back(other)->mapTo(&g.w, QPoint(5, 5)));
            during = g.snapshot() == before ? QStringLiteral("unchanged") : QStringLiteral("changed");
            QTest::keyClick(box, Qt::Key_Return);
        });
        click(g.back(i));
        click(g.back(k));
        QCOMPARE(during, QStringLiteral("unchanged"));
        QCOMPARE(q(g.f.txtfallados.text()), QStringLiteral("1"));
        QVERIFY(!g.back(other)->isHidden());
    }

    void peek_shows_a_key_while_a_modifier_is_held_data()
    {
        QTest::addColumn<int>("keys");
        QTest::addColumn<bool>("shown");
        QTest::newRow("none") << int{Qt::NoModifier} << false;
        QTest::newRow("shift") << int{Qt::ShiftModifier} << true;
        QTest::newRow("ctrl") << int{Qt::ControlModifier} << true;
        QTest::newRow("alt") << int{Qt::AltModifier} << true;
        QTest::newRow("all three") << int{Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier} << true;
        QTest::newRow("keypad only") << int{Qt::KeypadModifier} << false;
    }
    void peek_shows_a_key_while_a_modifier_is_held()
    {
        QFETCH(int, keys);
        QFETCH(bool, shown);
        Game g;
        g.start();
        g.f.Label5.set_caption(u"x");
        move_over(g.back(17), Qt::KeyboardModifiers(keys));
        QCOMPARE(q(g.f.Label5.caption()), shown ? QString::number(g.key(17)) : QString());
    }

    void peek_ignores_faces_and_a_stopped_board()
    {
        Game g;
        move_over(g.back(3), Qt::ShiftModifier);  // idle: the board takes no moves
        QCOMPARE(q(g.f.Label5.caption()), QString());
        g.start();
        move_over(g.back(3), Qt::ShiftModifier);
        const QString key = QString::number(g.key(3));
        QCOMPARE(q(g.f.Label5.caption()), key);
        click(g.back(3));
        move_over(g.face(3), Qt::NoModifier);
        QCOMPARE(q(g.f.Label5.caption()), key);
        g.pause_or_continue();
        move_over(g.back(40), Qt::NoModifier);
        QCOMPARE(q(g.f.Label5.caption()), key);
        g.start();  // a new deal leaves the label as it was
        QCOMPARE(q(g.f.Label5.caption()), key);
    }

    void the_keyboard_plays_too()
    {
        Game g;
        // An access key clicks its button after a short animation.
        QTest::keyClick(&g.w, Qt::Key_I, Qt::AltModifier);
        QTRY_COMPARE(g.state(), QStringLiteral("running"));
        QTest::keyClick(&g.w, Qt::Key_T, Qt::AltModifier);  // "De&tener"
        QTRY_COMPARE(g.state(), QStringLiteral("paused"));
        QTest::keyClick(&g.w, Qt::Key_T, Qt::AltModifier);  // "Con&tinuar"
        QTRY_COMPARE(g.state(), QStringLiteral("resumed"));
        const int i = g.cell_on_board();
        g.back(i)->setFocus();
        QTest::keyClick(g.back(i), Qt::Key_Space);
        QVERIFY(g.back(i)->isHidden());
        QCOMPARE(g.f.pending.contador, std::int16_t{1});
        const int j = g.partner(i);
        g.back(j)->setFocus();
        QTest::keyClick(g.back(j), Qt::Key_Space);
        QCOMPARE(q(g.f.txtacertados.text()), QStringLiteral("1"));
    }

    void a_failing_click_keeps_the_hidden_back()
    {
        Game g;
        g.start();
        g.f.btnsuperior(8).set_tag(u"ocho");
        click(g.back(8));
        QVERIFY(g.back(8)->isHidden());
        QCOMPARE(g.f.pending.contador, std::int16_t{1});
        QVERIFY(g.w.runtime().ended());
        QVERIFY(g.answers.asked.back().prompt.find(u"'13'") != tk::Text::npos);
    }
};

QTEST_MAIN(TestGame)
#include "tst_game.moc"
