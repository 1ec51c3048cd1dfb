// A reference model of the game, independent of the widgets: what every
// observable property should be after each event.
#pragma once

#include <QString>
#include <QStringList>

#include <array>

struct Model {
    struct Cell {
        bool face = true, back = true;
        int picture = 0;
        QString key;
    };

    bool board = false, start = true, pause = false;
    QString pause_caption = QStringLiteral("De&tener");
    int interval = 0;
    QString hits, misses, seconds, peek;
    int contador = 0, valor_primero = 0, indice_primero = 0;
    std::array<Cell, 60> cells;
    QStringList messages;  // prompts of the message boxes the last event showed

    static QString next(const QString& counter) { return QString::number(counter.toInt() + 1); }

    // Start, with the board as the deal left it.
    void start_game(const std::array<Cell, 60>& dealt)
    {
        board = true;
        pause_caption = QStringLiteral("De&tener");
        pause = true;
        start = false;
        hits = misses = seconds = QStringLiteral("0");
        interval = 1000;
        contador = 0;
        cells = dealt;
    }

    void pause_or_continue()
    {
        if (pause_caption == QLatin1String("De&tener")) {
            interval = 0;
            pause_caption = QStringLiteral("Con&tinuar");
            board = false;
            start = true;
        } else {
            interval = 1000;
            pause_caption = QStringLiteral("De&tener");
            board = true;
        }
    }

    void click_back(int i)
    {
        ++contador;
        cells[i].back = false;
        if (contador == 1) {
            valor_primero = cells[i].key.toInt();
            indice_primero = i;
            return;
        }
        const int j = indice_primero;
        if (cells[i].key.toInt() == valor_primero) {
            messages << QStringLiteral("Correcto");
            cells[j].face = cells[i].face = cells[j].back = cells[i].back = false;
            hits = next(hits);
            if (hits == QLatin1String("30")) {
                interval = 0;
                start = true;
                pause_caption = QStringLiteral("De&tener");
                pause = false;
            }
        } else {
            messages << QStringLiteral("Incorrecto");
            misses = next(misses);
            cells[j].back = cells[i].back = true;
        }
        contador = 0;
    }

    void tick() { seconds = next(seconds); }
    void move_over_back(int i, bool modifier) { peek = modifier ? cells[i].key : QString(); }
    void close_refused() { messages << QStringLiteral("¿Desea terminar el programa?"); }

    // The same text as TestWindow::snapshot() gives for the real window.
    QString snapshot() const
    {
        QString out;
        auto flag = [&](bool on) { out += on ? QLatin1Char('1') : QLatin1Char('0'); };
        flag(board);
        flag(start);
        flag(pause);
        out += pause_caption + QLatin1Char('|') + QString::number(interval) + QLatin1Char('|');
        out += hits + QLatin1Char('|') + misses + QLatin1Char('|') + seconds + QLatin1Char('|') + peek + QLatin1Char('|');
        out += QStringLiteral("%1,%2,%3|").arg(contador).arg(valor_primero).arg(indice_primero);
        for (const Cell& cell : cells) {
            flag(cell.face);
            flag(cell.back);
            out += QString::number(cell.picture) + QLatin1Char(':') + cell.key + QLatin1Char(' ');
        }
        return out;
    }
};
