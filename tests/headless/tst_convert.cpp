// The run time's conversions, checked arithmetic and captions.
#include "toolkit/caption.h"
#include "toolkit/convert.h"
#include "toolkit/error.h"
#include "toolkit/random.h"

#include <doctest/doctest.h>

#include <chrono>
#include <limits>
#include <thread>

using tk::Text;

namespace {

// Runs f and returns the error number it raised, or 0.
template <class F>
int error_of(F&& f)
{
    try {
        f();
    } catch (const tk::Error& e) {
        return e.number();
    }
    return 0;
}

constexpr int overflows = 99999;

}  // namespace

TEST_CASE("float to integer rounds half to even, within 16 bits")
{
    const std::pair<double, int> table[] = {
        {29.5, 30},      {58.5, 58},        {0.5, 0},          {1.5, 2},           {58.941, 59},
        {-2.5, -2},      {-32768.0, -32768}, {-32768.5, -32768}, {32767.0, 32767},  {32767.5, overflows},
        {-32769.0, overflows}, {std::numeric_limits<double>::quiet_NaN(), overflows},
        {std::numeric_limits<double>::infinity(), overflows}};
    for (const auto& [x, expected] : table) {
        const double value = x;  // Clang before 16 captures no structured binding
        CAPTURE(value);
        if (expected == overflows)
            CHECK(error_of([&] { tk::cint(value); }) == tk::ERR_OVERFLOW);
        else
            CHECK(int{tk::cint(value)} == expected);
    }
}

TEST_CASE("text to number")
{
    struct Row {
        const char16_t* text;
        double number;
        int error;  // of the integer conversion
    };
    const Row table[] = {{u"0", 0, 0},     {u"59", 59, 0},     {u" 12 ", 12, 0},  {u"007", 7, 0},
                         {u"-3", -3, 0},   {u"2.5", 2.5, 0},   {u"1E3", 1000, 0}, {u"40000", 40000, tk::ERR_OVERFLOW}};
    for (const Row& row : table) {
        const Text text = row.text;
        CAPTURE(tk::to_utf8(text));
        CHECK(tk::cdbl(text) == row.number);
        if (row.error)
            CHECK(error_of([&] { tk::cint(text); }) == row.error);
        else
            CHECK(tk::cint(text) == tk::cint(row.number));
    }
    for (const char16_t* no_number : {u"", u"abc", u"12abc", u"-", u".", u"1 2"}) {
        const Text text = no_number;
        CAPTURE(tk::to_utf8(text));
        CHECK(error_of([&] { tk::cdbl(text); }) == tk::ERR_TYPE_MISMATCH);
        CHECK(error_of([&] { tk::cint(text); }) == tk::ERR_TYPE_MISMATCH);
    }
}

TEST_CASE("the leading number of a text")
{
    const std::pair<const char16_t*, double> table[] = {
        {u"30", 30},    {u"12abc", 12}, {u"", 0},      {u"abc", 0},   {u"  7", 7},  {u"1 2 3", 123},
        {u"2.5x", 2.5}, {u"-4", -4},    {u"1e2", 100}, {u"3e", 3},    {u"5-6", 5}};
    for (const auto& row : table) {
        CAPTURE(tk::to_utf8(row.first));
        CHECK(tk::val(row.first) == row.second);
    }
    CHECK(error_of([] { tk::val(u"1e400"); }) == tk::ERR_OVERFLOW);
}

TEST_CASE("numbers to text")
{
    const std::pair<double, const char*> table[] = {{30.0, "30"},   {0.0, "0"},       {-12.0, "-12"},
                                                    {0.5, "0.5"},   {1e20, "1E+20"},  {123456789012345.0, "123456789012345"}};
    for (auto [value, expected] : table)
        CHECK(tk::to_utf8(tk::cstr(value)) == expected);
    CHECK(tk::cstr(std::int32_t{0}) == u"0");
    CHECK(tk::cstr(std::int32_t{59}) == u"59");
    CHECK(tk::cstr(std::int32_t{-32768}) == u"-32768");
}

TEST_CASE("checked arithmetic")
{
    CHECK(tk::add16(32766, 1) == 32767);
    CHECK(error_of([] { tk::add16(32767, 1); }) == tk::ERR_OVERFLOW);
    CHECK(error_of([] { tk::add16(-32768, -1); }) == tk::ERR_OVERFLOW);
    CHECK(error_of([] { tk::add_checked(std::numeric_limits<double>::max(), std::numeric_limits<double>::max()); }) ==
          tk::ERR_OVERFLOW);
}

TEST_CASE("text round-trips through UTF-8")
{
    const Text text = u"¿Desea terminar el programa?";
    CHECK(text.size() == 28);
    CHECK(tk::from_utf8(tk::to_utf8(text)) == text);
}

TEST_CASE("a caption's access key and the text it shows")
{
    const struct {
        const char16_t* caption;
        const char16_t* shown;
        int key;
    } cases[] = {{u"&Iniciar", u"Iniciar", 0}, {u"Sa&lir", u"Salir", 2}, {u"A&&B &c", u"A&B c", 4},
                 {u"&&", u"&", -1},          {u"x&", u"x", -1},        {u"", u"", -1}};
    for (const auto& c : cases) {
        CAPTURE(tk::to_utf8(c.caption));
        CHECK(tk::shown_caption(c.caption) == c.shown);
        CHECK(tk::access_key_index(c.caption) == c.key);
    }
}

TEST_CASE("random draws")
{
    tk::Random random;
    random.fix_seed(1);
    float lowest = 1, highest = 0;
    for (int k = 0; k < 200000; ++k) {
        const float r = random.next();
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    CHECK((lowest >= 0.0f && lowest < 0.001f));
    CHECK((highest < 1.0f && highest > 0.999f));

    // A fixed seed makes the clock seed alike; the real clock varies.
    tk::Random a, b;
    a.fix_seed(42);
    b.fix_seed(42);
    a.randomize();
    b.randomize();
    for (int k = 0; k < 100; ++k)
        CHECK(a.next() == b.next());
    tk::Random c, d;
    c.randomize();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    d.randomize();
    CHECK((c.next() != d.next() || c.next() != d.next()));
}
