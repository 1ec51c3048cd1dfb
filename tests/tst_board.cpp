// The deal on the real board: its invariants, whatever the board held before.
#include "fixture.h"

#include <QTest>

#include <array>
#include <map>
#include <random>

class TestBoard : public QObject {
    Q_OBJECT

    // Everything a deal must leave: all cells face down, thirty pairs each
    // with its own picture and its own key, the key being one of its cells.
    static void verify_dealt(TestWindow& t)
    {
        std::map<QString, std::vector<int>> cells_of_key;
        std::array<int, 31> faces_with_picture{};
        for (int i = 0; i < game::cells; ++i) {
            const auto cell = static_cast<std::int16_t>(i);
            QVERIFY(t.f.btnimagen(cell).visible());
            QVERIFY(t.f.btnsuperior(cell).visible());
            const tk::Picture picture = t.f.btnimagen(cell).picture();
            QVERIFY(!picture.empty());
            ++faces_with_picture.at(static_cast<std::size_t>(picture.number()));
            cells_of_key[q(t.f.btnsuperior(cell).tag())].push_back(i);
        }
        for (int k = 1; k <= 30; ++k)
            QCOMPARE(faces_with_picture[static_cast<std::size_t>(k)], 2);
        QCOMPARE(cells_of_key.size(), std::size_t{30});
        for (const auto& [key, cells] : cells_of_key) {
            QCOMPARE(cells.size(), std::size_t{2});
            QVERIFY(key == QString::number(cells[0]) || key == QString::number(cells[1]));
            QCOMPARE(t.f.btnimagen(static_cast<std::int16_t>(cells[0])).picture(),
                     t.f.btnimagen(static_cast<std::int16_t>(cells[1])).picture());
        }
    }

private slots:
    // Each deal reseeds from the clock (a test clock here, reading 1001,
    // 1002, ...) and places pair p on the cells drawn for it: picture p + 1
    // on both, and the key of the second cell on both backs.
    void every_deal_places_the_pairs_its_clock_seed_draws()
    {
        TestWindow t(1000);
        for (std::uint64_t deal = 1; deal <= 200; ++deal) {
            game::asignar_imagenes(t.f);
            verify_dealt(t);
            tk::Random replay;
            replay.fix_seed(1000 + deal);
            game::Placement drawn;
            for (std::int16_t p = 0; p < game::pairs; ++p) {
                game::place_next_pair(drawn, replay);
                const auto x = drawn.primeros[static_cast<std::size_t>(p)];
                const auto y = drawn.segundos[static_cast<std::size_t>(p)];
                for (std::int16_t cell : {x, y}) {
                    QCOMPARE(int{t.f.btnimagen(cell).picture().number()}, p + 1);
                    QCOMPARE(q(t.f.btnsuperior(cell).tag()), QString::number(y));
                }
            }
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("deal %1").arg(deal)));
        }
    }

    void a_deal_restores_any_board_and_touches_nothing_else()
    {
        TestWindow t;
        std::mt19937 mess(7);
        for (int round = 0; round < 50; ++round) {
            for (std::int16_t i = 0; i < game::cells; ++i) {
                t.f.btnimagen(i).set_visible(mess() % 2);
                t.f.btnsuperior(i).set_visible(mess() % 2);
                t.f.btnsuperior(i).set_tag(mess() % 3 ? tk::cstr(std::int32_t(mess() % 60)) : u"x");
                if (mess() % 2)
                    t.f.btnimagen(i).set_picture(t.f.imglist1.picture(static_cast<std::int16_t>(1 + mess() % 30)));
            }
            t.f.txtacertados.set_text(u"12");
            t.f.txtfallados.set_text(u"abc");
            t.f.txttiempo.set_text(u"");
            t.f.Label5.set_caption(u"17");
            t.f.pending = {1, 42, 17};

            game::asignar_imagenes(t.f);

            verify_dealt(t);
            QCOMPARE(q(t.f.txtacertados.text()), QStringLiteral("12"));
            QCOMPARE(q(t.f.txtfallados.text()), QStringLiteral("abc"));
            QCOMPARE(q(t.f.txttiempo.text()), QString());
            QCOMPARE(q(t.f.Label5.caption()), QStringLiteral("17"));
            QCOMPARE(t.f.pending.contador, std::int16_t{1});
            QCOMPARE(t.f.pending.valor_primero, std::int16_t{42});
            QCOMPARE(t.f.pending.indice_primero, std::int16_t{17});
        }
    }

    void a_candidate_clashing_with_earlier_pairs_is_refused()
    {
        game::Placement placement;
        QVERIFY(!placement.is_free(3, 3));
        QVERIFY(placement.is_free(3, 4));
        placement.primeros[0] = 10;
        placement.segundos[0] = 20;
        placement.placed = 1;
        for (std::int16_t clash : {10, 20}) {
            QVERIFY(!placement.is_free(clash, 5));
            QVERIFY(!placement.is_free(5, clash));
        }
        QVERIFY(placement.is_free(5, 6));
    }

    void edge_cells_are_drawn_half_as_often()
    {
        tk::Random random;
        random.fix_seed(2024);
        constexpr int draws = 1'180'000;
        std::array<int, 60> count{};
        for (int k = 0; k < draws; ++k)
            ++count.at(static_cast<std::size_t>(game::draw_cell(random)));
        // Inner cells expect draws / 59 = 20000 (sd ~140), the edges half that.
        for (int i = 1; i < 59; ++i)
            QVERIFY2(std::abs(count[static_cast<std::size_t>(i)] - 20000) < 1000, qPrintable(QString::number(i)));
        QVERIFY(std::abs(count[0] - 10000) < 600);
        QVERIFY(std::abs(count[59] - 10000) < 600);
    }
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
