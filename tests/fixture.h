// Shared test helpers: a main window with message boxes answered by the test.
#pragma once

#include "form_state.h"
#include "game/board.h"
#include "game/handlers.h"
#include "toolkit/qt/handle.h"
#include "window/frmprincipal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QString>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <deque>
#include <vector>

// Answers message boxes in order from a queue (OK when empty) and keeps
// what was asked.
struct Answers {
    std::deque<std::int16_t> queue;
    std::vector<tk::MessageBoxCall> asked;

    void attach(tk::Runtime& runtime)
    {
        runtime.set_message_box_hook([this](const tk::MessageBoxCall& call) {
            asked.push_back(call);
            if (queue.empty())
                return std::int16_t{tk::IDOK};
            const std::int16_t answer = queue.front();
            queue.pop_front();
            return answer;
        });
    }
};

// Reports a window active as a platform does when the desktop activates it.
inline void report_active(QWindow* window)
{
    using Events = QWindowSystemInterface;
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    Events::handleFocusWindowChanged<Events::SynchronousDelivery>(window, Qt::ActiveWindowFocusReason);
#else
    Events::handleWindowActivated<Events::SynchronousDelivery>(window, Qt::ActiveWindowFocusReason);
#endif
}

// Makes a shown window the active one and waits for it. On Wayland only the
// compositor activates windows, and headless weston has no seat to give one
// the keyboard: there the window is made active as a desktop's compositor
// makes a window it maps, through the window-system events a platform
// reports.
inline bool make_active(QWidget& window)
{
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        report_active(window.windowHandle());
        return QApplication::activeWindow() == &window;
    }
    // Qt counts a window active while its focus is on a transient of its
    // own, such as a message box that was hidden, not destroyed.
    window.activateWindow();
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; });
}

inline bool show_active(QWidget& window)
{
    window.show();
    return make_active(window);
}

inline QString q(const tk::Text& text)
{
    return QString::fromStdU16String(text);
}

// A fresh main window with a fixed seed, message boxes answered by Answers.
struct TestWindow {
    window::Frmprincipal w;
    game::Form& f = w.form();
    Answers answers;

    explicit TestWindow(std::uint64_t seed = 1)
    {
        answers.attach(w.runtime());
        w.runtime().random().fix_seed(seed);
    }

    QAbstractButton* back(int i) const { return tk::qt::widget(f.btnsuperior(static_cast<std::int16_t>(i))); }
    QAbstractButton* face(int i) const { return tk::qt::widget(f.btnimagen(static_cast<std::int16_t>(i))); }
    int key(int i) const { return tk::cint(f.btnsuperior(static_cast<std::int16_t>(i)).tag()); }
    QString snapshot() const { return QString::fromStdString(test::snapshot(f)); }
    QString state() const { return QString::fromStdString(test::state(f)); }

    // From here on only the test ticks the clock, by calling its handler:
    // the real timer's own events are eaten, however long the test takes.
    void hold_the_clock()
    {
        struct Held : QObject {
            using QObject::QObject;
            bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Timer; }
        };
        auto* clock = w.findChild<QTimer*>(QStringLiteral("Timer1"));
        clock->installEventFilter(new Held(clock));
    }

    // The other cell of cell i's pair, by the backs' keys.
    int partner(int i) const
    {
        for (int j = 0; j < game::cells; ++j)
            if (j != i && f.btnsuperior(static_cast<std::int16_t>(j)).tag() == f.btnsuperior(static_cast<std::int16_t>(i)).tag())
                return j;
        return -1;
    }
};
