// Start-up: centring, the one dispatch point for errors, real message boxes.
#include "fixture.h"
#include "toolkit/qt/twips.h"
#include "window/module1.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void centred_origin_data()
    {
        QTest::addColumn<double>("screen");
        QTest::addColumn<double>("window");
        QTest::addColumn<float>("origin");
        QTest::newRow("smaller, even difference") << 12000.0 << 9000.0 << 1500.0f;
        QTest::newRow("odd difference keeps the half twip") << 12000.0 << 9001.0 << 1499.5f;
        QTest::newRow("same size") << 12000.0 << 12000.0 << 0.0f;
        QTest::newRow("larger window overhangs both sides") << 9000.0 << 12000.0 << -1500.0f;
        QTest::newRow("larger, odd") << 9000.0 << 12001.0 << -1500.5f;
    }
    void centred_origin()
    {
        QFETCH(double, screen);
        QFETCH(double, window);
        QFETCH(float, origin);
        QCOMPARE(window::centred_origin(screen, window), origin);
    }

    void load_centres_the_main_window()
    {
        // On every platform, Wayland included, start-up logs nothing.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        TestWindow t;
        t.w.load();
        QVERIFY(!t.w.runtime().ended());
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        if (QGuiApplication::platformName() == QLatin1String("wayland"))
            return;  // the compositor places windows
        // Shown centred, with the window manager's frame where there is one.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QTRY_VERIFY(std::abs(2 * t.w.frameGeometry().x() + t.w.frameGeometry().width() - screen.width()) <= 1);
        QTRY_VERIFY(std::abs(2 * t.w.frameGeometry().y() + t.w.frameGeometry().height() - screen.height()) <= 1);
    }

    void a_window_larger_than_the_screen_overhangs_equally()
    {
        QWidget big;
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        big.resize(screen.width() + 400, screen.height() + 301);
        tk::Window window(tk::qt::handle(&big));
        window::centrar_formulario(window);
        // The platform's frame overhangs too (offscreen: 2 pixels a side).
        const QRect outer = big.frameGeometry();
        const int wider = outer.width() - screen.width(), taller = outer.height() - screen.height();
        QCOMPARE(outer.x(), -wider / 2);
        QVERIFY(outer.y() == -taller / 2 || outer.y() == -taller / 2 - 1);  // half a pixel, rounded by the layer
        QCOMPARE(window.left(), tk::qt::to_twips(-wider / 2));
    }

    void a_failing_handler_keeps_what_it_did_and_ends_the_program()
    {
        TestWindow t;
        // The clock ticks while the report is open, and no tick reaches the game.
        t.w.runtime().set_message_box_hook([&](const tk::MessageBoxCall& call) {
            t.answers.asked.push_back(call);
            QTest::qWait(50);
            return std::int16_t{tk::IDOK};
        });
        int ran = 0;
        QTimer::singleShot(0, [&] {
            t.w.runtime().dispatch([&] {
                t.f.Timer1.set_interval(1);
                t.f.txttiempo.set_text(u"5");
                ++ran;
                tk::cint(u"abc");
                ++ran;
            });
        });
        QCOMPARE(QApplication::exec(), 1);  // the program's exit status
        QCOMPARE(t.w.runtime().exit_status(), 1);
        QCOMPARE(ran, 1);
        QCOMPARE(q(t.f.txttiempo.text()), QStringLiteral("5"));
        QVERIFY(t.w.runtime().ended());
        QCOMPARE(t.answers.asked.size(), std::size_t{1});
        const tk::MessageBoxCall& report = t.answers.asked[0];
        QCOMPARE(q(report.prompt), QStringLiteral("Se ha producido el error '13' en tiempo de ejecución:\n\nNo coinciden los tipos"));
        QCOMPARE(report.style, std::int16_t{tk::MB_OK | tk::MB_ICONERROR});
        // Once ended, no handler runs.
        t.w.runtime().dispatch([&] { ++ran; });
        QCOMPARE(ran, 1);
        QVERIFY(!t.w.isVisible());
    }

    void a_foreign_exception_ends_the_program_too()
    {
        TestWindow t;
        t.w.runtime().dispatch([] { throw std::runtime_error("boom"); });
        QVERIFY(t.w.runtime().ended());
        QCOMPARE(t.answers.asked.size(), std::size_t{1});
    }

    void a_real_message_box_asks_in_spanish()
    {
        window::Frmprincipal w;  // no hook: the real QMessageBox
        w.show();
        QString text, title;
        QStringList buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            QCOMPARE(box->windowModality(), Qt::ApplicationModal);
            QCOMPARE(box->defaultButton(), box->buttons().value(0));
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            box->buttons().value(1)->click();  // No
        });
        const std::int16_t answer = w.runtime().msgbox(u"¿Desea terminar el programa?", tk::MB_ICONQUESTION + tk::MB_YESNO, u"CONFIRMAR");
        QCOMPARE(answer, std::int16_t{tk::IDNO});
        QCOMPARE(text, QStringLiteral("¿Desea terminar el programa?"));
        QCOMPARE(title, QStringLiteral("CONFIRMAR"));
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(buttons, (QStringList{"&Sí", "&No"}));

        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->buttons()[0]->text(), QStringLiteral("Aceptar"));
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(w.runtime().msgbox(u"Correcto", tk::MB_ICONWARNING, u"RESULTADO"), std::int16_t{tk::IDOK});
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
