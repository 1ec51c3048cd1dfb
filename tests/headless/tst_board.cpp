// The deal on the board: its invariants, whatever the board held before.
#include "fixture.h"

#include <array>
#include <map>
#include <random>

namespace {

// Everything a deal must leave: all cells face down, thirty pairs each with
// its own picture and its own key, the key being one of its cells.
void check_dealt(TestWindow& t)
{
    std::map<tk::Text, std::vector<int>> cells_of_key;
    std::array<int, 31> faces_with_picture{};
    for (int i = 0; i < game::cells; ++i) {
        REQUIRE(t.face(i).visible());
        REQUIRE(t.back(i).visible());
        const tk::Picture picture = t.face(i).picture();
        REQUIRE(!picture.empty());
        ++faces_with_picture.at(static_cast<std::size_t>(picture.number()));
        cells_of_key[t.back(i).tag()].push_back(i);
    }
    for (std::size_t k = 1; k <= 30; ++k)
        CHECK(faces_with_picture[k] == 2);
    REQUIRE(cells_of_key.size() == 30);
    for (const auto& [key, cells] : cells_of_key) {
        REQUIRE(cells.size() == 2);
        CHECK((key == tk::cstr(std::int32_t{cells[0]}) || key == tk::cstr(std::int32_t{cells[1]})));
        CHECK(t.face(cells[0]).picture() == t.face(cells[1]).picture());
    }
}

}  // namespace

// Each deal reseeds from the clock (a test clock here, reading 1001, 1002,
// ...) and places pair p on the cells drawn for it: picture p + 1 on both,
// and the key of the second cell on both backs.
TEST_CASE("every deal places the pairs its clock seed draws")
{
    TestWindow t(1000);
    for (std::uint64_t deal = 1; deal <= 200; ++deal) {
        CAPTURE(deal);
        game::asignar_imagenes(t.f);
        check_dealt(t);
        tk::Random replay;
        replay.fix_seed(1000 + deal);
        game::Placement drawn;
        for (std::int16_t p = 0; p < game::pairs; ++p) {
            game::place_next_pair(drawn, replay);
            const auto x = drawn.primeros[static_cast<std::size_t>(p)];
            const auto y = drawn.segundos[static_cast<std::size_t>(p)];
            for (std::int16_t cell : {x, y}) {
                REQUIRE(t.face(cell).picture().number() == p + 1);
                REQUIRE(t.back(cell).tag() == tk::cstr(std::int32_t{y}));
            }
        }
    }
}

TEST_CASE("a deal restores any board and touches nothing else")
{
    TestWindow t;
    std::mt19937 mess(7);
    for (int round = 0; round < 50; ++round) {
        for (int i = 0; i < game::cells; ++i) {
            t.face(i).set_visible(mess() % 2);
            t.back(i).set_visible(mess() % 2);
            t.back(i).set_tag(mess() % 3 ? tk::cstr(std::int32_t(mess() % 60)) : u"x");
            if (mess() % 2)
                t.face(i).set_picture(t.f.imglist1.picture(static_cast<std::int16_t>(1 + mess() % 30)));
        }
        t.f.txtacertados.set_text(u"12");
        t.f.txtfallados.set_text(u"abc");
        t.f.txttiempo.set_text(u"");
        t.f.Label5.set_caption(u"17");
        t.f.pending = {1, 42, 17};

        game::asignar_imagenes(t.f);

        check_dealt(t);
        CHECK(t.f.txtacertados.text() == u"12");
        CHECK(t.f.txtfallados.text() == u"abc");
        CHECK(t.f.txttiempo.text() == u"");
        CHECK(t.f.Label5.caption() == u"17");
        CHECK(t.f.pending.contador == 1);
        CHECK(t.f.pending.valor_primero == 42);
        CHECK(t.f.pending.indice_primero == 17);
    }
}

TEST_CASE("a candidate clashing with earlier pairs is refused")
{
    game::Placement placement;
    CHECK(!placement.is_free(3, 3));
    CHECK(placement.is_free(3, 4));
    placement.primeros[0] = 10;
    placement.segundos[0] = 20;
    placement.placed = 1;
    for (std::int16_t clash : {10, 20}) {
        CHECK(!placement.is_free(clash, 5));
        CHECK(!placement.is_free(5, clash));
    }
    CHECK(placement.is_free(5, 6));
}

TEST_CASE("edge cells are drawn half as often")
{
    tk::Random random;
    random.fix_seed(2024);
    constexpr int draws = 1'180'000;
    std::array<int, 60> count{};
    for (int k = 0; k < draws; ++k)
        ++count.at(static_cast<std::size_t>(game::draw_cell(random)));
    // Inner cells expect draws / 59 = 20000 (sd ~140), the edges half that.
    for (std::size_t i = 1; i < 59; ++i) {
        CAPTURE(i);
        CHECK(std::abs(count[i] - 20000) < 1000);
    }
    CHECK(std::abs(count[0] - 10000) < 600);
    CHECK(std::abs(count[59] - 10000) < 600);
}
