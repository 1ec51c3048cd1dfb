// Program entry: build the main window, centre it, show it, run the loop.
#include "window/frmprincipal.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt ends with abort() when it cannot open a display; say so plainly instead.
void startup_messages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        std::fputs("Duplimo necesita una pantalla gráfica y no ha podido abrir ninguna.\n", stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

// Only X11 and Wayland name their display in the environment; elsewhere Qt
// finds the screen by itself, or says it cannot.
bool has_display()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    return std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!has_display()) {
        std::fputs("Duplimo necesita una pantalla gráfica: no hay ninguna (DISPLAY no está definida).\n", stderr);
        return EXIT_FAILURE;
    }
    const QtMessageHandler previous = qInstallMessageHandler(startup_messages);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);

    window::Frmprincipal frmprincipal;
    frmprincipal.load();
    if (frmprincipal.runtime().ended())  // building or loading failed, and said so
        return frmprincipal.runtime().exit_status();
    frmprincipal.show();
    return application.exec();
}
