// Twips to device-independent pixels and back.
#pragma once

#include <QRect>

namespace tk::qt {

int to_pixels(double twips);
double to_twips(int pixels);
// A rectangle in twips, edges rounded separately so that neighbours keep
// their gaps.
QRect to_pixels(double left, double top, double width, double height);

}  // namespace tk::qt
