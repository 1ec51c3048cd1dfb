// Contrast, and colours moved until they stand out.
#include "toolkit/qt/contrast.h"

#include <algorithm>
#include <cmath>

namespace tk::qt {

namespace {

double luminance(const QColor& colour)
{
    auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

}  // namespace

double contrast_ratio(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool is_dark(const QColor& background)
{
    return luminance(background) < 0.18;
}

QColor readable(const QColor& colour, const QColor& background, double ratio, const QColor& fallback, double spare)
{
    if (contrast_ratio(colour, background) >= ratio)
        return colour;
    ratio *= spare;
    const QColor hsl = colour.toHsl();
    const int hue = hsl.hslHue(), saturation = hsl.hslSaturation(), lightness = hsl.lightness();
    // Away from the background first: lighter on a dark one, darker on a
    // light one.
    const int first = is_dark(background) ? 1 : -1;
    for (int step : {first, -first})
        for (int l = lightness + step; l >= 0 && l <= 255; l += step)
            if (const QColor candidate = QColor::fromHsl(hue, saturation, l).toRgb(); contrast_ratio(candidate, background) >= ratio)
                return candidate;
    return fallback;
}

}  // namespace tk::qt
