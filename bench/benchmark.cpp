// Start-up, memory and deal cost of the game against an empty Qt window.
//   benchmark [runs]     measure, printing figures and ratios
// Each start-up runs in a child process of this program, timed from just
// before it is spawned to the end of its window's first paint.
#include "game/board.h"
#include "window/frmprincipal.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>
#include <sys/wait.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

long long now_ns()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

// Reports when the first paint of a window has been flushed.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Runs once the whole paint pass, children included, is done.
            QTimer::singleShot(0, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("%lld %ld\n", now_ns(), usage.ru_maxrss);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

// The child: one window of the given kind, up to its first paint.
int child(const std::string& kind, int argc, char** argv)
{
    QApplication application(argc, argv);
    FirstPaint first_paint;
    if (kind == "game") {
        auto* w = new window::Frmprincipal;
        w->load();
        w->installEventFilter(&first_paint);
        w->show();
    } else {
        auto* w = new QWidget;
        w->setWindowTitle(QStringLiteral("KAVREL Soluciones - Duplimo"));
        w->setFixedSize(592, 440);
        if (kind == "widgets") {
            // As many plain widgets as the game window holds, a few with
            // text: what any such window costs, without the game.
            for (int i = 0; i < 120; ++i)
                (new QPushButton(w))->setGeometry(20 + (i % 10) * 55, 90 + (i / 10) * 28, 47, 25);
            for (int i = 0; i < 13; ++i)
                (new QLabel(QStringLiteral("Etiqueta %1").arg(i), w))->setGeometry((i % 7) * 80, (i / 7) * 30, 78, 25);
        }
        w->installEventFilter(&first_paint);
        w->show();
    }
    return application.exec();
}

struct Start {
    double ms;
    long rss_kb;
};

Start spawn_child(const char* self, const char* kind)
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const char* args[] = {self, "--child", kind, nullptr};
    const long long start = now_ns();
    pid_t pid;
    if (posix_spawn(&pid, self, &actions, nullptr, const_cast<char**>(args), environ) != 0)
        std::exit(1);
    close(out[1]);
    char buffer[128] = {};
    const ssize_t n = read(out[0], buffer, sizeof buffer - 1);
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    long long painted = 0;
    long rss = 0;
    if (n <= 0 || std::sscanf(buffer, "%lld %ld", &painted, &rss) != 2) {
        std::fprintf(stderr, "child %s failed\n", kind);
        std::exit(1);
    }
    return {(painted - start) / 1e6, rss};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void deal_cost(int argc, char** argv)
{
    QApplication application(argc, argv);
    window::Frmprincipal w;
    game::Form& f = w.form();

    // The placement alone: candidates drawn per deal.
    tk::Random random;
    random.randomize();
    constexpr int placements = 20000;
    long long candidates = 0;
    const auto t0 = Clock::now();
    for (int k = 0; k < placements; ++k) {
        game::Placement placement;
        for (int p = 0; p < game::pairs; ++p)
            candidates += game::place_next_pair(placement, random);
    }
    const double placement_us = std::chrono::duration<double, std::micro>(Clock::now() - t0).count() / placements;

    // The whole deal on the real board.
    constexpr int deals = 2000;
    game::asignar_imagenes(f);  // decodes the thirty pictures once
    const auto t1 = Clock::now();
    for (int k = 0; k < deals; ++k)
        game::asignar_imagenes(f);
    const double deal_us = std::chrono::duration<double, std::micro>(Clock::now() - t1).count() / deals;

    std::printf("deal: %.0f candidates (%.0f draws) per deal; placement %.1f us, whole deal on the board %.1f us\n",
                double(candidates) / placements, 2.0 * double(candidates) / placements, placement_us, deal_us);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0)
        return child(argv[2], argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "--deal") == 0) {
        deal_cost(argc, argv);
        return 0;
    }

    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 21;
    const char* kinds[] = {"empty", "widgets", "game"};
    std::vector<double> ms[3], rss[3];
    for (int k = 0; k < 2; ++k)  // warm the file cache
        for (const char* kind : kinds)
            spawn_child(argv[0], kind);
    for (int r = 0; r < runs; ++r) {
        for (int k = 0; k < 3; ++k) {
            const Start s = spawn_child(argv[0], kinds[k]);
            ms[k].push_back(s.ms);
            rss[k].push_back(static_cast<double>(s.rss_kb));
        }
    }
    std::printf("platform: %s, %d runs each, medians\n", qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
                    ? qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM")) : "default", runs);
    const double base_ms = median(ms[0]), base_rss = median(rss[0]);
    for (int k = 0; k < 3; ++k)
        std::printf("%-8s first paint %6.1f ms (%.2fx)   peak memory %6.0f KiB (%.2fx)\n", kinds[k], median(ms[k]),
                    median(ms[k]) / base_ms, median(rss[k]), median(rss[k]) / base_rss);
    std::fflush(stdout);

    // The deal, in a process of its own so it does not weigh on the above.
    const char* args[] = {argv[0], "--deal", nullptr};
    pid_t pid;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, const_cast<char**>(args), environ) == 0)
        waitpid(pid, nullptr, 0);
    return 0;
}
