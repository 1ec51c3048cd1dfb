// Number and text conversions of the run time.
#include "toolkit/convert.h"

#include "toolkit/error.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace tk {

namespace {

bool is_blank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Scans a decimal number starting at text[pos]: sign, digits, point,
// exponent (E or D). With skip_blanks, blanks between its characters are
// passed over, as the leading-number rule does. Returns the number's
// characters in ASCII and leaves pos after the last one used; an empty
// result means no digit was found.
std::string scan_number(std::u16string_view text, std::size_t& pos, bool skip_blanks)
{
    auto skip = [&] {
        while (skip_blanks && pos < text.size() && is_blank(text[pos]))
            ++pos;
    };
    std::string out;
    bool digits = false;
    skip();
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
        out += static_cast<char>(text[pos++]);
    for (skip(); pos < text.size() && is_digit(text[pos]); skip()) {
        out += static_cast<char>(text[pos++]);
        digits = true;
    }
    if (pos < text.size() && text[pos] == u'.') {
        out += '.';
        ++pos;
        for (skip(); pos < text.size() && is_digit(text[pos]); skip()) {
            out += static_cast<char>(text[pos++]);
            digits = true;
        }
    }
    if (!digits)
        return {};
    // An exponent counts only when digits follow it.
    if (pos < text.size() && (text[pos] == u'E' || text[pos] == u'e' || text[pos] == u'D' || text[pos] == u'd')) {
        std::size_t at = pos + 1;
        std::string exponent = "E";
        if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
            exponent += static_cast<char>(text[at++]);
        if (at < text.size() && is_digit(text[at])) {
            while (at < text.size() && is_digit(text[at]))
                exponent += static_cast<char>(text[at++]);
            out += exponent;
            pos = at;
        }
    }
    return out;
}

double to_double(const std::string& number)
{
    const double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value))
        raise(ERR_OVERFLOW);
    return value;
}

}  // namespace

std::int16_t cint(double value)
{
    // nearbyint honours the default rounding mode: to nearest, ties to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        raise(ERR_OVERFLOW);
    return static_cast<std::int16_t>(rounded);
}

std::int16_t add16(std::int16_t a, std::int16_t b)
{
    const std::int32_t sum = std::int32_t{a} + b;
    if (sum < -32768 || sum > 32767)
        raise(ERR_OVERFLOW);
    return static_cast<std::int16_t>(sum);
}

double add_checked(double a, double b)
{
    const double sum = a + b;
    if (!std::isfinite(sum))
        raise(ERR_OVERFLOW);
    return sum;
}

Text cstr(std::int32_t value)
{
    return from_utf8(std::to_string(value));
}

Text cstr(double value)
{
    if (std::isnan(value))
        raise(ERR_INVALID_CALL);
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return from_utf8(std::to_string(static_cast<long long>(value)));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return from_utf8(buffer);
}

std::int16_t cint(std::u16string_view text)
{
    return cint(cdbl(text));
}

double cdbl(std::u16string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && is_blank(text[pos]))
        ++pos;
    const std::string number = scan_number(text, pos, false);
    while (pos < text.size() && is_blank(text[pos]))
        ++pos;
    if (number.empty() || pos != text.size())
        raise(ERR_TYPE_MISMATCH);
    return to_double(number);
}

double val(std::u16string_view text)
{
    std::size_t pos = 0;
    const std::string number = scan_number(text, pos, true);
    return number.empty() ? 0.0 : to_double(number);
}

std::string to_utf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

Text from_utf8(std::string_view text)
{
    Text out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? byte : byte & (0xFF >> (length + 1));
        for (int k = 1; k < length && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += length;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

}  // namespace tk
