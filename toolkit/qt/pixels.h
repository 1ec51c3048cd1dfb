// Pictures kept as raw indexed pixels in the resources: read in place,
// without decoding or image plugins, and shown sharp at any scale.
#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

namespace tk::qt {

// The picture at a resource path; a null pixmap when it is missing or bad.
QPixmap load_pixels(const QString& resource);

// An icon of pixel art drawn at one or more sizes (16 and 32 pixels). Asked
// for a size at a whole multiple of a design (a device-pixel ratio of 2 or
// 3), it repeats each of the design's pixels; at a fractional multiple
// (1.25, 1.5, 1.75) it repeats them up to the next whole multiple and then
// scales the picture down smoothly: edges stay sharp, and no pixel comes out
// wider than its neighbours. The design is the largest that fits the size
// asked for in logical pixels.
QIcon pixel_art_icon(const QList<QPixmap>& designs);

}  // namespace tk::qt
