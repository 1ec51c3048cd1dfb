// Raw indexed pixels: width, height, palette size, RGBA palette, one index
// a pixel; and the icon engine that scales them as pixel art.
#include "toolkit/qt/pixels.h"

#include "toolkit/qt/look.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QResource>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <tuple>

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

namespace {

class PixelArtEngine : public QIconEngine {
public:
    explicit PixelArtEngine(QList<QPixmap> designs) : designs_(std::move(designs))
    {
        designs_.removeIf([](const QPixmap& design) { return design.isNull(); });
        std::sort(designs_.begin(), designs_.end(), [](const QPixmap& a, const QPixmap& b) { return a.width() < b.width(); });
    }

    QIconEngine* clone() const override { return new PixelArtEngine(*this); }
    bool isNull() override { return designs_.isEmpty(); }
    QString key() const override { return QStringLiteral("duplimo-pixel-art"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const QPixmap& design : designs_)
            sizes << design.size() << design.size() * 2;
        std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return isNull() ? QSize() : size; }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override { return drawn(size, size, mode); }

    // Up to Qt 6.7 the size asked for is in device pixels, from Qt 6.8 on
    // in logical ones.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        const QSize logical = size, device(qRound(size.width() * scale), qRound(size.height() * scale));
#else
        const QSize logical(qRound(size.width() / scale), qRound(size.height() / scale)), device = size;
#endif
        QPixmap result = drawn(logical, device, mode);
        result.setDevicePixelRatio(scale);
        return result;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal scale = painter->device()->devicePixelRatio();
        QPixmap picture = drawn(rect.size(), rect.size() * scale, mode);
        picture.setDevicePixelRatio(scale);
        painter->drawPixmap(rect.topLeft(), picture);
    }

private:
    // The picture for a size in logical pixels, drawn at a size in device
    // pixels. The toolkit's painters ask for other modes in their own
    // palette; anyone else gets them in the application's.
    QPixmap drawn(QSize logical, QSize device, QIcon::Mode mode)
    {
        const QPixmap picture = drawn(logical, device);
        if (mode == QIcon::Normal)
            return picture;
        return Look::of(QApplication::palette(), QApplication::style()).picture(picture, mode);
    }

    QPixmap drawn(QSize logical, QSize device)
    {
        if (designs_.isEmpty() || device.isEmpty())
            return {};
        const auto key = std::tuple(device.width(), device.height(), logical.width());
        if (const auto found = cache_.find(key); found != cache_.end())
            return found->second;
        const QPixmap* design = &designs_.front();
        for (const QPixmap& candidate : designs_)
            if (candidate.width() <= logical.width() && candidate.height() <= logical.height())
                design = &candidate;
        const int times = std::max(1, static_cast<int>(std::ceil(std::max(double(device.width()) / design->width(),
                                                                          double(device.height()) / design->height()))));
        QImage image = design->toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        image = image.scaled(design->size() * times, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (image.size() != device)
            image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return cache_.emplace(key, QPixmap::fromImage(image)).first->second;
    }

    QList<QPixmap> designs_;
    std::map<std::tuple<int, int, int>, QPixmap> cache_;  // normal pictures
};

}  // namespace

QIcon pixel_art_icon(const QList<QPixmap>& designs)
{
    return QIcon(new PixelArtEngine(designs));
}

}  // namespace tk::qt
