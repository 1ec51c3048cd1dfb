// A reference model of the game, independent of any front end: what every
// observable property should be after each event.
#pragma once

#include <array>
#include <string>
#include <vector>

struct Model {
    struct Cell {
        bool face = true, back = true;
        int picture = 0;
        std::string key;
    };

    bool board = false, start = true, pause = false;
    std::string pause_caption = "De&tener";
    int interval = 0;
    std::string hits, misses, seconds, peek;
    int contador = 0, valor_primero = 0, indice_primero = 0;
    std::array<Cell, 60> cells;
    std::vector<std::string> messages;  // prompts of the message boxes the last event showed

    static std::string next(const std::string& counter) { return std::to_string(std::stoi(counter) + 1); }

    // Start, with the board as the deal left it.
    void start_game(const std::array<Cell, 60>& dealt)
    {
        board = true;
        pause_caption = "De&tener";
        pause = true;
        start = false;
        hits = misses = seconds = "0";
        interval = 1000;
        contador = 0;
        cells = dealt;
    }

    void pause_or_continue()
    {
        if (pause_caption == "De&tener") {
            interval = 0;
            pause_caption = "Con&tinuar";
            board = false;
            start = true;
        } else {
            interval = 1000;
            pause_caption = "De&tener";
            board = true;
        }
    }

    void click_back(int i)
    {
        ++contador;
        cells[i].back = false;
        if (contador == 1) {
            valor_primero = std::stoi(cells[i].key);
            indice_primero = i;
            return;
        }
        const int j = indice_primero;
        if (std::stoi(cells[i].key) == valor_primero) {
            messages.push_back("Correcto");
            cells[j].face = cells[i].face = cells[j].back = cells[i].back = false;
            hits = next(hits);
            if (hits == "30") {
                interval = 0;
                start = true;
                pause_caption = "De&tener";
                pause = false;
            }
        } else {
            messages.push_back("Incorrecto");
            misses = next(misses);
            cells[j].back = cells[i].back = true;
        }
        contador = 0;
    }

    void tick() { seconds = next(seconds); }
    void move_over_back(int i, bool modifier) { peek = modifier ? cells[i].key : std::string(); }
    void close_refused() { messages.push_back("¿Desea terminar el programa?"); }

    // The same text as test::snapshot() gives for the real window.
    std::string snapshot() const
    {
        std::string out;
        auto flag = [&](bool on) { out += on ? '1' : '0'; };
        flag(board);
        flag(start);
        flag(pause);
        out += pause_caption + '|' + std::to_string(interval) + '|';
        out += hits + '|' + misses + '|' + seconds + '|' + peek + '|';
        out += std::to_string(contador) + ',' + std::to_string(valor_primero) + ',' + std::to_string(indice_primero) + '|';
        for (const Cell& cell : cells) {
            flag(cell.face);
            flag(cell.back);
            out += std::to_string(cell.picture) + ':' + cell.key + ' ';
        }
        return out;
    }
};
