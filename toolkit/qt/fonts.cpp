// Faces and their stand-ins.
#include "toolkit/qt/fonts.h"

#include <QGuiApplication>
#include <QStringList>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace tk::qt {

namespace {

QString default_face()
{
#ifdef Q_OS_WIN
    // Windows' message font, as Qt's Windows platform has it, asked of
    // Windows itself: on another platform (offscreen, in tests) Qt's default
    // is a face Windows does not have.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return QString::fromWCharArray(metrics.lfMessageFont.lfFaceName);
    return QGuiApplication::font().family();
#else
    return QStringLiteral("Liberation Sans");
#endif
}

}  // namespace

QFont font_of(const QString& face, double points)
{
    QFont font;
    QStringList faces{face.isEmpty() ? default_face() : face};
    if (face == QLatin1String("Times New Roman"))
        faces << QStringLiteral("Liberation Serif");
    font.setFamilies(faces);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}  // namespace tk::qt
