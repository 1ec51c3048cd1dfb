// Faces and their stand-ins.
#include "toolkit/qt/fonts.h"

#include <QGuiApplication>
#include <QStringList>

namespace tk::qt {

namespace {

QString default_face()
{
#ifdef Q_OS_WIN
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
