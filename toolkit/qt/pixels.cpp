// Raw indexed pixels: width, height, palette size, RGBA palette, one index
// a pixel.
#include "toolkit/qt/pixels.h"

#include <QImage>
#include <QResource>

#include <cstring>

namespace tk::qt {

QPixmap load_pixels(const QString& resource)
{
    const QResource file(resource);
    const QByteArray bytes = file.uncompressedData();
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    if (bytes.size() < 3)
        return {};
    const int width = data[0], height = data[1], colours = data[2];
    const qsizetype pixels_at = 3 + 4 * qsizetype{colours};
    if (bytes.size() != pixels_at + qsizetype{width} * height)
        return {};

    QList<QRgb> palette;
    for (int c = 0; c < colours; ++c) {
        const uchar* rgba = data + 3 + 4 * c;
        palette.push_back(qRgba(rgba[0], rgba[1], rgba[2], rgba[3]));
    }
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(palette);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), data + pixels_at + y * width, static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y)  // an index outside the palette would read past it
        for (int x = 0; x < width; ++x)
            if (image.scanLine(y)[x] >= colours)
                return {};
    return QPixmap::fromImage(image);
}

}  // namespace tk::qt
