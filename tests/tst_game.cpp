// What only the real window shows of playing: closes from the keyboard, the
// window system and the desktop session, real message boxes, the keyboard.
// The game's logic is tested on the headless front end.
#include "fixture.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
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
    void a_refused_close_changes_nothing_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("how");  // 1 Alt+L, 2 the window's close command, 3 close from the program
        for (int how = 1; how < 4; ++how) {
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
        // The real timer runs as the game's clock does.
        const bool ticking = g.w.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive();
        QCOMPARE(ticking, g.state() == QLatin1String("running") || g.state() == QLatin1String("resumed"));
        g.answers.asked.clear();
        g.answers.queue = {tk::IDNO};
        switch (how) {
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

};

QTEST_MAIN(TestGame)
#include "tst_game.moc"
