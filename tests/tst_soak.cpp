// The soak on Qt: enough sequences to prove the wiring of real mouse
// events, message boxes and closes (tests/shared/soak.h).
#include "fixture.h"
#include "soak.h"

#include <QMouseEvent>
#include <QTest>
#include <QWindow>

namespace {

class OnQt final : public soak::Driver {
public:
    explicit OnQt(std::uint64_t seed) : t(seed)
    {
        t.w.runtime().set_message_box_hook([this](const tk::MessageBoxCall& call) { return answer(call); });
        t.hold_the_clock();
        t.w.show();
        t.w.activateWindow();
        if (!QTest::qWaitForWindowActive(&t.w))
            qWarning("the window did not become active");
    }

    game::Form& form() override { return t.f; }
    // A click at a new place moves the mouse there first, as a player's does.
    void click_cell(int cell, bool) override { QTest::mouseClick(t.w.windowHandle(), Qt::LeftButton, {}, centre(t.back(cell))); }
    void double_click_cell(int cell, bool) override
    {
        QTest::mouseDClick(t.w.windowHandle(), Qt::LeftButton, {}, centre(t.back(cell)));
    }
    void click(const char* name) override
    {
        QWidget* control = t.w.findChild<QWidget*>(QLatin1String(name));
        // A frame is clicked at a spot that no control covers.
        const QPoint at = qobject_cast<QAbstractButton*>(control) ? centre(control)
                                                                  : control->mapTo(&t.w, QPoint(3, control->height() - 4));
        QTest::mouseClick(t.w.windowHandle(), Qt::LeftButton, {}, at);
    }
    void tick() override
    {
        if (t.f.Timer1.interval() != 0)
            t.w.runtime().dispatch([this] { game::Timer1_Timer(t.f); });
    }
    void move(int cell, int keys) override
    {
        Qt::KeyboardModifiers modifiers;
        modifiers.setFlag(Qt::ShiftModifier, keys & 1);
        modifiers.setFlag(Qt::ControlModifier, keys & 2);
        modifiers.setFlag(Qt::AltModifier, keys & 4);
        modifiers.setFlag(Qt::KeypadModifier, keys & 8);
        const QPoint at = centre(t.back(cell));
        if (QWidget* target = t.w.childAt(at)) {
            const QPointF local = target->mapFrom(&t.w, QPointF(at));
            QMouseEvent event(QEvent::MouseMove, local, t.w.mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton, modifiers);
            QApplication::sendEvent(target, &event);
        }
    }
    void close(int how) override
    {
        if (how == 0)
            click("btnsalir");
        else if (how == 1)
            t.w.close();
        else
            t.w.windowHandle()->close();
    }
    bool ended() override { return t.w.runtime().ended() || !t.w.isVisible(); }

private:
    QPoint centre(QWidget* widget) const { return widget->mapTo(&t.w, widget->rect().center()); }
    TestWindow t;
};

}  // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void random_sequences_match_the_model()
    {
        std::string summary;
        const std::string failure =
            soak::play([](std::uint64_t seed) { return std::make_unique<OnQt>(seed); }, DUPLIMO_QT_SOAK_SEQUENCES, summary);
        if (!failure.empty())
            QFAIL(failure.c_str());
        qInfo("%s", summary.c_str());
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
