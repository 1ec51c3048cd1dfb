// Number and text conversions of the run time, and checked 16-bit arithmetic.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tk {

using Text = std::u16string;

// Float to 16-bit integer: nearest, exact halves to the even neighbour;
// a result outside -32768..32767 (or NaN) raises the overflow error.
std::int16_t cint(double value);

// a + b on 16-bit integers; overflow raises the overflow error.
std::int16_t add16(std::int16_t a, std::int16_t b);

// a + b in double precision; a result that is not finite raises the overflow error.
double add_checked(double a, double b);

// Integer to text: decimal digits, "-" only before a negative, no blank.
Text cstr(std::int32_t value);

// Shortest text form of a double: whole numbers as plain digits ("30"),
// others with up to 15 significant digits ("0.5", "1E+20").
Text cstr(double value);

// Text to number: the whole text, blanks around it aside, must be a number,
// else the type-mismatch error; out of range raises the overflow error.
std::int16_t cint(std::u16string_view text);
double cdbl(std::u16string_view text);

// The number written at the start of a text; 0 when there is none ("12abc"
// gives 12, "" and "abc" give 0). Blanks inside the number are skipped.
double val(std::u16string_view text);

// Plain ASCII/UTF-8 conveniences for tests and diagnostics.
std::string to_utf8(std::u16string_view text);
Text from_utf8(std::string_view text);

}  // namespace tk
