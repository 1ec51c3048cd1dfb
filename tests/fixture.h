// Shared test helpers: a main window with message boxes answered by the test.
#pragma once

#include "game/board.h"
#include "game/handlers.h"
#include "toolkit/qt/handle.h"
#include "window/frmprincipal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QString>
#include <QTest>
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
    // Every property the game changes, as text, to compare whole states.
    QString snapshot() const
    {
        QString out;
        auto flag = [&](bool on) { out += on ? QLatin1Char('1') : QLatin1Char('0'); };
        flag(f.Frame1.enabled());
        flag(f.btniniciar.enabled());
        flag(f.btndetener.enabled());
        out += q(f.btndetener.caption()) + QLatin1Char('|') + QString::number(f.Timer1.interval()) + QLatin1Char('|');
        out += q(f.txtacertados.text()) + QLatin1Char('|') + q(f.txtfallados.text()) + QLatin1Char('|') +
               q(f.txttiempo.text()) + QLatin1Char('|') + q(f.Label5.caption()) + QLatin1Char('|');
        out += QStringLiteral("%1,%2,%3|").arg(f.pending.contador).arg(f.pending.valor_primero).arg(f.pending.indice_primero);
        for (std::int16_t i = 0; i < game::cells; ++i) {
            flag(f.btnimagen(i).visible());
            flag(f.btnsuperior(i).visible());
            out += QString::number(f.btnimagen(i).picture().number()) + QLatin1Char(':') + q(f.btnsuperior(i).tag()) + QLatin1Char(' ');
        }
        return out;
    }

    // The game state named by its four controls, or "?" for none of them.
    QString state() const
    {
        const bool start = f.btniniciar.enabled(), pause = f.btndetener.enabled(), board = f.Frame1.enabled();
        const bool pausing = f.btndetener.caption() == u"De&tener";
        const int clock = f.Timer1.interval();
        if (start && !pause && pausing && !board && clock == 0)
            return QStringLiteral("idle");
        if (!start && pause && pausing && board && clock == 1000)
            return QStringLiteral("running");
        if (start && pause && !pausing && !board && clock == 0)
            return QStringLiteral("paused");
        if (start && pause && pausing && board && clock == 1000)
            return QStringLiteral("resumed");
        if (start && !pause && pausing && board && clock == 0)
            return QStringLiteral("finished");
        return QStringLiteral("?");
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
