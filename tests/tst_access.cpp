// What a screen reader and a keyboard-only player get.
#include "fixture.h"

#include <QAccessible>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

QString name_of(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<none>");
}

QString value_of(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Value);
}

QWidget* control(TestWindow& t, const char* name)
{
    return t.w.findChild<QWidget*>(QLatin1String(name));
}

constexpr const char16_t* card_names[] = {
#include "window/pictures/card_names.inc"
};

}  // namespace

class TestAccess : public QObject {
    Q_OBJECT

private slots:
    void controls_have_spanish_names()
    {
        TestWindow t;
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

        game::btniniciar_Click(t.f);
        game::Timer1_Timer(t.f);
        QCOMPARE(value_of(control(t, "txtacertados")), QStringLiteral("0"));
        QCOMPARE(value_of(control(t, "txttiempo")), QStringLiteral("1"));
        game::btndetener_Click(t.f);
        QCOMPARE(name_of(control(t, "btndetener")), QStringLiteral("Continuar"));
    }

    void cards_are_named_by_place_and_faces_by_picture()
    {
        QCOMPARE(std::size(card_names), std::size_t{30});
        TestWindow t;
        game::btniniciar_Click(t.f);
        for (int i = 0; i < game::cells; ++i) {
            // The name gives the place, never the pair key.
            QCOMPARE(name_of(t.back(i)), QStringLiteral("Carta %1").arg(i + 1));
            const int picture = t.f.btnimagen(static_cast<std::int16_t>(i)).picture().number();
            QCOMPARE(name_of(t.face(i)), QString::fromUtf16(card_names[picture - 1]));
        }
    }

    void the_peek_label_reads_what_it_shows()
    {
        TestWindow t;
        QVERIFY(name_of(control(t, "Label5")).trimmed().isEmpty());
        game::btniniciar_Click(t.f);
        game::btnsuperior_MouseMove(t.f, 12, 0, 2, 0, 0);
        QCOMPARE(name_of(control(t, "Label5")), QString::number(t.key(12)));
        game::btnsuperior_MouseMove(t.f, 12, 0, 0, 0, 0);
        QVERIFY(name_of(control(t, "Label5")).trimmed().isEmpty());
    }

    void messages_are_announced_as_dialogs()
    {
        window::Frmprincipal w;
        w.show();
        QAccessible::Role role = QAccessible::NoRole;
        QString name;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
            role = iface->role();
            name = iface->text(QAccessible::Name);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        w.runtime().msgbox(u"Incorrecto", tk::MB_ICONWARNING, u"RESULTADO");
        QVERIFY(role == QAccessible::AlertMessage || role == QAccessible::Dialog);
        QCOMPARE(name, QStringLiteral("RESULTADO"));
    }

    void a_whole_game_by_keyboard_alone()
    {
        TestWindow t;
        t.w.show();
        t.w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.w));
        QTest::keyClick(&t.w, Qt::Key_I, Qt::AltModifier);
        QTRY_VERIFY(t.f.Frame1.enabled());
        // Tab to a card, Space to turn it.
        auto turn = [&](int cell) {
            for (int k = 0; k < 300 && QApplication::focusWidget() != t.back(cell); ++k)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), t.back(cell));
            QTest::keyClick(t.back(cell), Qt::Key_Space);
        };
        for (int pair = 0; pair < 30; ++pair) {
            int i = 0;
            while (t.back(i)->isHidden())
                ++i;
            turn(i);
            turn(t.partner(i));
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(q(t.f.txtacertados.text()), QStringLiteral("30"));
        QVERIFY(t.f.btniniciar.enabled() && !t.f.btndetener.enabled());
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
