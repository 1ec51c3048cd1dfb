// The run time's conversions and checked arithmetic.
#include "toolkit/convert.h"
#include "toolkit/error.h"
#include "toolkit/random.h"

#include <QTest>

#include <limits>

using tk::Text;

Q_DECLARE_METATYPE(Text)

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

Text u(const char* s) { return tk::from_utf8(s); }

}  // namespace

class TestConvert : public QObject {
    Q_OBJECT

private slots:
    void float_to_integer_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");  // 99999: overflow
        QTest::newRow("half up to even") << 29.5 << 30;
        QTest::newRow("half down to even") << 58.5 << 58;
        QTest::newRow("zero point five") << 0.5 << 0;
        QTest::newRow("one point five") << 1.5 << 2;
        QTest::newRow("nearest") << 58.941 << 59;
        QTest::newRow("negative half") << -2.5 << -2;
        QTest::newRow("lowest") << -32768.0 << -32768;
        QTest::newRow("lowest half rounds in") << -32768.5 << -32768;
        QTest::newRow("highest") << 32767.0 << 32767;
        QTest::newRow("highest half rounds out") << 32767.5 << 99999;
        QTest::newRow("below") << -32769.0 << 99999;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 99999;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 99999;
    }
    void float_to_integer()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        if (expected == 99999)
            QCOMPARE(error_of([&] { tk::cint(value); }), tk::ERR_OVERFLOW);
        else
            QCOMPARE(int{tk::cint(value)}, expected);
    }

    void text_to_number_data()
    {
        QTest::addColumn<Text>("text");
        QTest::addColumn<double>("number");
        QTest::addColumn<int>("error");  // of the integer conversion
        QTest::newRow("zero") << u("0") << 0.0 << 0;
        QTest::newRow("key") << u("59") << 59.0 << 0;
        QTest::newRow("blanks around") << u(" 12 ") << 12.0 << 0;
        QTest::newRow("leading zero") << u("007") << 7.0 << 0;
        QTest::newRow("negative") << u("-3") << -3.0 << 0;
        QTest::newRow("fraction rounds to even") << u("2.5") << 2.5 << 0;
        QTest::newRow("exponent") << u("1E3") << 1000.0 << 0;
        QTest::newRow("too big for 16 bits") << u("40000") << 40000.0 << int{tk::ERR_OVERFLOW};
    }
    void text_to_number()
    {
        QFETCH(Text, text);
        QFETCH(double, number);
        QFETCH(int, error);
        QCOMPARE(tk::cdbl(text), number);
        if (error)
            QCOMPARE(error_of([&] { tk::cint(text); }), error);
        else
            QCOMPARE(int{tk::cint(text)}, int{tk::cint(number)});
    }

    void text_that_is_no_number_data()
    {
        QTest::addColumn<Text>("text");
        QTest::newRow("empty") << u("");
        QTest::newRow("letters") << u("abc");
        QTest::newRow("trailing letters") << u("12abc");
        QTest::newRow("sign only") << u("-");
        QTest::newRow("point only") << u(".");
        QTest::newRow("blank inside") << u("1 2");
    }
    void text_that_is_no_number()
    {
        QFETCH(Text, text);
        QCOMPARE(error_of([&] { tk::cdbl(text); }), tk::ERR_TYPE_MISMATCH);
        QCOMPARE(error_of([&] { tk::cint(text); }), tk::ERR_TYPE_MISMATCH);
    }

    void leading_number_data()
    {
        QTest::addColumn<Text>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << u("30") << 30.0;
        QTest::newRow("trailing text") << u("12abc") << 12.0;
        QTest::newRow("empty") << u("") << 0.0;
        QTest::newRow("no number") << u("abc") << 0.0;
        QTest::newRow("leading blanks") << u("  7") << 7.0;
        QTest::newRow("blanks inside") << u("1 2 3") << 123.0;
        QTest::newRow("decimal") << u("2.5x") << 2.5;
        QTest::newRow("sign") << u("-4") << -4.0;
        QTest::newRow("exponent") << u("1e2") << 100.0;
        QTest::newRow("dangling exponent") << u("3e") << 3.0;
        QTest::newRow("second number ignored") << u("5-6") << 5.0;
    }
    void leading_number()
    {
        QFETCH(Text, text);
        QFETCH(double, expected);
        QCOMPARE(tk::val(text), expected);
    }

    void huge_leading_number_overflows()
    {
        QCOMPARE(error_of([] { tk::val(u"1e400"); }), tk::ERR_OVERFLOW);
    }

    void number_to_text_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole") << 30.0 << "30";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative") << -12.0 << "-12";
        QTest::newRow("fraction") << 0.5 << "0.5";
        QTest::newRow("large") << 1e20 << "1E+20";
        QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
    }
    void number_to_text()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdU16String(tk::cstr(value)), expected);
    }

    void integer_to_text()
    {
        QCOMPARE(tk::cstr(std::int32_t{0}), u"0");
        QCOMPARE(tk::cstr(std::int32_t{59}), u"59");
        QCOMPARE(tk::cstr(std::int32_t{-32768}), u"-32768");
    }

    void checked_arithmetic()
    {
        QCOMPARE(int{tk::add16(32766, 1)}, 32767);
        QCOMPARE(error_of([] { tk::add16(32767, 1); }), tk::ERR_OVERFLOW);
        QCOMPARE(error_of([] { tk::add16(-32768, -1); }), tk::ERR_OVERFLOW);
        QCOMPARE(error_of([] { tk::add_checked(std::numeric_limits<double>::max(), std::numeric_limits<double>::max()); }),
                 tk::ERR_OVERFLOW);
    }

    void text_round_trips_through_utf8()
    {
        const Text text = u"¿Desea terminar el programa?";
        QCOMPARE(text.size(), std::size_t{28});
        QCOMPARE(tk::from_utf8(tk::to_utf8(text)), text);
    }

    void draws_stay_below_one()
    {
        tk::Random random;
        random.fix_seed(1);
        float lowest = 1, highest = 0;
        for (int k = 0; k < 200000; ++k) {
            const float r = random.next();
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
        QVERIFY(lowest >= 0.0f && lowest < 0.001f);
        QVERIFY(highest < 1.0f && highest > 0.999f);
    }

    void fixed_seed_repeats_and_clock_seed_varies()
    {
        tk::Random a, b;
        a.fix_seed(42);
        b.fix_seed(42);
        a.randomize();  // a fixed seed makes the clock tick alike
        b.randomize();
        for (int k = 0; k < 100; ++k)
            QCOMPARE(a.next(), b.next());
        tk::Random c, d;
        c.randomize();
        QTest::qWait(1);
        d.randomize();
        QVERIFY(c.next() != d.next() || c.next() != d.next());
    }
};

QTEST_APPLESS_MAIN(TestConvert)
#include "tst_convert.moc"
