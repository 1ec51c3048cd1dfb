// Renders the main window to PNG files: idle, dealt, and with cards turned.
// Usage: screenshot DIR [light|dark|contrast [SECONDS]]: in Qt's own palette,
// or in a dark or a high-contrast one; with SECONDS, the last state stays
// on screen that long, for a screenshot of the desktop.
#include "game/board.h"
#include "game/handlers.h"
#include "tests/palettes.h"
#include "toolkit/qt/handle.h"
#include "window/frmprincipal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPixmap>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString palette = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (palette == QLatin1String("dark"))
        QApplication::setPalette(dark_palette());
    else if (palette == QLatin1String("contrast"))
        QApplication::setPalette(high_contrast_palette());
    window::Frmprincipal w;
    game::Form& f = w.form();
    w.runtime().set_message_box_hook([](const tk::MessageBoxCall&) { return std::int16_t{tk::IDOK}; });
    w.runtime().random().fix_seed(1);  // the same deal every time
    w.show();
    w.grab().save(dir + QStringLiteral("/idle.png"));

    game::btniniciar_Click(f);
    for (int k = 0; k < 7; ++k)
        game::Timer1_Timer(f);
    w.grab().save(dir + QStringLiteral("/running.png"));

    // Every face showing: the whole deal at a glance.
    for (std::int16_t i = 0; i < game::cells; ++i)
        f.btnsuperior(i).set_visible(false);
    w.grab().save(dir + QStringLiteral("/faces.png"));

    // A game in progress: a few pairs found, one card turned, a key peeked.
    for (std::int16_t i = 0; i < game::cells; ++i)
        f.btnsuperior(i).set_visible(true);
    for (std::int16_t i = 0, found = 0; i < game::cells && found < 6; ++i) {
        if (!f.btnsuperior(i).visible())
            continue;
        for (std::int16_t j = i + 1; j < game::cells; ++j) {
            if (f.btnsuperior(j).visible() && f.btnsuperior(j).tag() == f.btnsuperior(i).tag()) {
                game::btnsuperior_Click(f, i);
                game::btnsuperior_Click(f, j);
                ++found;
                break;
            }
        }
    }
    game::btnsuperior_Click(f, 0);
    game::btnsuperior_Click(f, 1);
    game::btnsuperior_Click(f, 30);
    game::btnsuperior_MouseMove(f, 44, 0, 1, 0, 0);
    game::btndetener_Click(f);
    w.grab().save(dir + QStringLiteral("/paused.png"));
    game::btndetener_Click(f);
    tk::qt::widget(f.btnimagen(30))->setFocus();  // the card turned last keeps the keyboard
    w.grab().save(dir + QStringLiteral("/playing.png"));
    if (argc > 3) {
        QTimer::singleShot(QString::fromLocal8Bit(argv[3]).toInt() * 1000, &application, [] { QCoreApplication::exit(0); });
        return application.exec();
    }
    return 0;
}
