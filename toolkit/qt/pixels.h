// Pictures kept as raw indexed pixels in the resources: read in place,
// without decoding or image plugins.
#pragma once

#include <QPixmap>
#include <QString>

namespace tk::qt {

// The picture at a resource path; a null pixmap when it is missing or bad.
QPixmap load_pixels(const QString& resource);

}  // namespace tk::qt
