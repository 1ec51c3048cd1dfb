// Looks of palettes: worked out when a palette is first painted with, kept
// while it is in use.
#include "toolkit/qt/look.h"

#include "toolkit/qt/contrast.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <vector>

namespace tk::qt {

namespace {

// The looks in use, the one asked for last first, for as long as the
// application lives. A palette gives a look for each colour group a
// widget shows it in.
class Looks : public QObject {
public:
    using QObject::QObject;
    static constexpr std::size_t kept = 16;
    std::vector<std::unique_ptr<Look>> list;
};

// Keeps a widget's text colour readable as its palette or its parent's
// changes, as they do when the desktop's palette or theme changes.
class InColour : public QObject {
public:
    InColour(QWidget* widget, const QColor& colour, Look::Text size)
        : QObject(widget), widget_(widget), colour_(colour), size_(size)
    {
        apply();
        widget->installEventFilter(this);
        widget->parentWidget()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange)
            apply();
        return false;
    }

private:
    void apply() const
    {
        // Worked out in the active colour group: a change of group, when
        // the window is activated, is no change of palette.
        const QWidget* parent = widget_->parentWidget();
        QPalette base = parent->palette();
        base.setCurrentColorGroup(QPalette::Active);
        const QColor colour = Look::of(base, parent->style()).text(colour_, size_);
        const QPalette::ColorRole role = size_ == Look::Text::Large ? QPalette::Text : QPalette::WindowText;
        QPalette palette = widget_->palette();
        if (palette.color(QPalette::Active, role) == colour)
            return;  // shown so already
        palette.setColor(role, colour);
        widget_->setPalette(palette);
    }

    QWidget* widget_;
    QColor colour_;
    Look::Text size_;
};

}  // namespace

Look::Look(const QPalette& palette, const QStyle* style) : palette_(palette), style_(style)
{
    const QColor window = palette.color(QPalette::Window), text = palette.color(QPalette::WindowText);
    edge_ = readable(window.darker(140), window, edge_contrast, text);
    highlighted_edge_ = readable(palette.color(QPalette::Highlight).darker(125), window, edge_contrast, text);
    frame_dark_ = palette.color(QPalette::Dark);
    frame_light_ = palette.color(QPalette::Light);
    if (is_dark(window))
        frame_light_ = readable(frame_light_, window, edge_contrast, text);
    focus_mark_ = palette.color(QPalette::ButtonText);
}

bool Look::is_of(const QPalette& palette, const QStyle* style) const
{
    return style_ == style && palette_.currentColorGroup() == palette.currentColorGroup() && palette_ == palette;
}

const Look& Look::of(const QWidget* widget)
{
    return of(widget->palette(), widget->style());
}

const Look& Look::of(const QPalette& palette, const QStyle* style)
{
    static QPointer<Looks> looks;
    if (!looks)
        looks = new Looks(QCoreApplication::instance());
    auto& list = looks->list;
    auto found = std::find_if(list.begin(), list.end(), [&](const auto& look) { return look->is_of(palette, style); });
    if (found == list.end()) {
        if (list.size() == Looks::kept)
            list.pop_back();
        list.insert(list.begin(), std::make_unique<Look>(palette, style));
    } else if (found != list.begin()) {
        std::rotate(list.begin(), found, found + 1);
    }
    return *list.front();
}

QColor Look::text(const QColor& colour, Text size) const
{
    const auto key = std::pair(colour.rgba(), size);
    if (const auto found = texts_.find(key); found != texts_.end())
        return found->second;
    // The thin strokes of small text are drawn blended into the background,
    // the more so where a desktop hints fonts lightly or not at all.
    const QColor shown = size == Text::Large
                             ? readable(colour, palette_.color(QPalette::Base), large_text_contrast,
                                        palette_.color(QPalette::Text), thick_strokes)
                             : readable(colour, palette_.color(QPalette::Window), normal_text_contrast,
                                        palette_.color(QPalette::WindowText), thin_strokes);
    return texts_.emplace(key, shown).first->second;
}

QPixmap Look::picture(const QIcon& icon, QSize size, qreal scale, QIcon::Mode mode) const
{
    const QPixmap normal = icon.pixmap(size, scale);
    if (mode == QIcon::Normal || !style_ || normal.isNull())
        return normal;
    const auto key = std::tuple(icon.cacheKey(), normal.width(), normal.height(), size.width(), mode);
    if (const auto found = pictures_.find(key); found != pictures_.end())
        return found->second;
    return pictures_.emplace(key, generated(normal, mode)).first->second;
}

QPixmap Look::picture(const QPixmap& normal, QIcon::Mode mode) const
{
    if (mode == QIcon::Normal || !style_ || normal.isNull())
        return normal;
    const auto key = std::pair(normal.cacheKey(), mode);
    if (const auto found = engine_pictures_.find(key); found != engine_pictures_.end())
        return found->second;
    return engine_pictures_.emplace(key, generated(normal, mode)).first->second;
}

QPixmap Look::generated(const QPixmap& normal, QIcon::Mode mode) const
{
    QStyleOption option;
    option.palette = palette_;
    QPixmap picture = style_->generatedIconPixmap(mode, normal, &option);
    picture.setDevicePixelRatio(normal.devicePixelRatio());
    return picture;
}

void show_in_colour(QWidget* widget, const QColor& colour, Look::Text size)
{
    new InColour(widget, colour, size);
}

}  // namespace tk::qt
