// What a palette and a style imply for the toolkit's painters, worked out
// once for each: the colours that read on the palette (texts, outlines,
// frame lines) and the pictures of controls in modes other than normal.
// Every painter asks here; a new palette is a new look.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QStyle>

#include <map>
#include <tuple>
#include <utility>

class QWidget;

namespace tk::qt {

class Look {
public:
    // Small text stands on the window; large text (the counters' digits)
    // on a text box's base.
    enum class Text { Small, Large };

    // The look of a palette, in its current colour group, and a style.
    Look(const QPalette& palette, const QStyle* style);

    // The look of widget's palette, as the widget has it now, and style.
    static const Look& of(const QWidget* widget);
    // The look of palette in its current colour group, and style. A look
    // stays while its palette is among the last few asked for.
    static const Look& of(const QPalette& palette, const QStyle* style);

    // A control's one-pixel outline, 3:1 against the window: the one the
    // style draws (the window's colour shaded, or the highlight's on a
    // control with the focus or a default button), moved in lightness only
    // as far as that asks.
    QColor edge(bool highlighted) const { return highlighted ? highlighted_edge_ : edge_; }

    // The lines of a frame's etched border: the dark one, and the light one
    // just inside and below it. On a dark window the light line is what
    // shows the frame, and stands out by 3:1.
    QColor frame_dark() const { return frame_dark_; }
    QColor frame_light() const { return frame_light_; }

    // The dotted focus mark drawn on a control's face.
    QColor focus_mark() const { return focus_mark_; }

    // A text described in colour as shown: the colour itself where it reads
    // on its background, else the same hue made lighter or darker, as far
    // as needed and a little beyond; else the palette's own text colour.
    QColor text(const QColor& colour, Text size) const;

    // icon at size (logical pixels) and scale, in mode: a mode other than
    // normal as the style draws it from this palette.
    QPixmap picture(const QIcon& icon, QSize size, qreal scale, QIcon::Mode mode) const;
    // normal, a picture drawn in normal mode, in mode; for icon engines,
    // which are asked with no widget. The result is kept by normal's cache
    // key: normal is best the very pixmap the engine keeps.
    QPixmap picture(const QPixmap& normal, QIcon::Mode mode) const;

private:
    bool is_of(const QPalette& palette, const QStyle* style) const;
    QPixmap generated(const QPixmap& normal, QIcon::Mode mode) const;

    QPalette palette_;
    QPointer<const QStyle> style_;
    QColor edge_, highlighted_edge_, frame_dark_, frame_light_, focus_mark_;
    mutable std::map<std::pair<QRgb, Text>, QColor> texts_;
    // By picture, size in device pixels and logical width, and mode.
    mutable std::map<std::tuple<qint64, int, int, int, QIcon::Mode>, QPixmap> pictures_;
    // By normal picture and mode.
    mutable std::map<std::pair<qint64, QIcon::Mode>, QPixmap> engine_pictures_;
};

// Shows widget's text, a label's or a text box's, in colour, readable on
// its background in its parent's palette, now and after every change of
// either palette.
void show_in_colour(QWidget* widget, const QColor& colour, Look::Text size);

}  // namespace tk::qt
