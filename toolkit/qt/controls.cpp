// The control handles, backed by Qt widgets.
#include "toolkit/controls.h"

#include "toolkit/qt/access.h"
#include "toolkit/qt/card.h"
#include "toolkit/qt/frameextents.h"
#include "toolkit/qt/imagestore.h"
#include "toolkit/qt/properties.h"
#include "toolkit/qt/twips.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QVariant>

#include <cmath>

namespace tk {

namespace {

QString to_qt(const Text& text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

Text from_qt(const QString& text)
{
    return text.toStdU16String();
}

template <class T>
T* require(T* widget)
{
    if (!widget)
        raise(ERR_INVALID_CALL);
    return widget;
}

// A control's own Enabled flag, whatever its container's.
bool own_enabled(const QWidget* widget)
{
    return !widget->testAttribute(Qt::WA_ForceDisabled);
}

using qt::index_property;
using qt::tag_property;
constexpr const char* picture_property = "tk_picture";
constexpr const char* picture_store_property = "tk_picture_store";

}  // namespace

// ---------------------------------------------------------------- Button

QAbstractButton* Button::checked() const { return require(w_); }
bool Button::visible() const
{
    // A face's own flag: its widget shows only while its back is hidden.
    const QAbstractButton* button = checked();
    if (const auto* face = qobject_cast<const qt::CardFace*>(button))
        return face->shown();
    return !button->isHidden();
}

void Button::set_visible(bool on) { checked()->setVisible(on); }
bool Button::enabled() const { return own_enabled(checked()); }
void Button::set_enabled(bool on) { checked()->setEnabled(on); }
Text Button::caption() const { return from_qt(checked()->text()); }
void Button::set_caption(const Text& caption) { checked()->setText(to_qt(caption)); }
Text Button::tag() const { return from_qt(checked()->property(tag_property).toString()); }
void Button::set_tag(const Text& tag) { checked()->setProperty(tag_property, to_qt(tag)); }

std::int16_t Button::index() const
{
    const QVariant index = checked()->property(index_property);
    if (!index.isValid())
        raise(ERR_INVALID_CALL);  // not an element of a control array
    return static_cast<std::int16_t>(index.toInt());
}

Picture Button::picture() const
{
    const auto* store = reinterpret_cast<const qt::ImageStore*>(checked()->property(picture_store_property).value<quintptr>());
    return store ? Picture(store, static_cast<std::int16_t>(w_->property(picture_property).toInt())) : Picture();
}

void Button::set_picture(const Picture& picture)
{
    QAbstractButton* button = checked();
    const QIcon icon = picture.empty() ? QIcon() : picture.store()->icon(picture.number());
    if (auto* face = qobject_cast<qt::CardFace*>(button))
        face->set_picture(icon, picture.empty() ? QString() : picture.store()->name(picture.number()));
    else
        button->setIcon(icon);
    button->setProperty(picture_store_property, QVariant::fromValue(reinterpret_cast<quintptr>(picture.store())));
    button->setProperty(picture_property, int{picture.number()});
}

// ---------------------------------------------------------------- Frame, Label, TextBox

QGroupBox* Frame::checked() const { return require(w_); }
bool Frame::enabled() const { return own_enabled(checked()); }
void Frame::set_enabled(bool on) { checked()->setEnabled(on); }

QLabel* Label::checked() const { return require(w_); }
Text Label::caption() const { return from_qt(checked()->text()); }
void Label::set_caption(const Text& caption)
{
    QLabel* label = checked();
    const bool was_empty = label->text().isEmpty();
    label->setText(to_qt(caption));
    if (was_empty != caption.empty())
        qt::tell_label_emptiness_changed(label);
}

QPlainTextEdit* TextBox::checked() const { return require(w_); }
Text TextBox::text() const { return from_qt(checked()->toPlainText()); }
void TextBox::set_text(const Text& text) { checked()->setPlainText(to_qt(text)); }

// ---------------------------------------------------------------- Timer

QTimer* Timer::checked() const { return require(t_); }

std::int32_t Timer::interval() const
{
    const QTimer* timer = checked();
    return timer->isActive() ? timer->interval() : 0;
}

void Timer::set_interval(std::int32_t milliseconds)
{
    if (milliseconds < 0)
        raise(ERR_INVALID_CALL);
    // A QTimer at 0 ms would fire on every pass of the event loop; here 0
    // means no ticks at all.
    if (milliseconds == 0)
        checked()->stop();
    else
        checked()->start(milliseconds);
}

// ---------------------------------------------------------------- ImageList

std::int16_t ImageList::count() const
{
    return static_cast<std::int16_t>(require(store_)->count());
}

Picture ImageList::picture(std::int16_t k) const
{
    if (k < 1 || k > count())
        raise(ERR_SUBSCRIPT);
    return Picture(store_, k);
}

// ---------------------------------------------------------------- Window

QWidget* Window::checked() const { return require(w_); }
// Before the first show Qt's pos() counts only the frame that Qt already
// knows of (none on X11, where the window manager adds it later); the frame
// the window will have is taken into account here.
QPoint Window::outer_position() const
{
    QWidget* window = checked();
    if (window->isVisible())
        return window->pos();
    const QMargins frame = qt::frame_extents(window);
    return window->geometry().topLeft() - QPoint(frame.left(), frame.top());
}

void Window::move_outer(QPoint position)
{
    QWidget* window = checked();
    if (window->isVisible()) {
        window->move(position);
        return;
    }
    const QMargins frame = qt::frame_extents(window);
    const QPoint known_frame = window->geometry().topLeft() - window->pos();
    window->move(position + QPoint(frame.left(), frame.top()) - known_frame);
}

double Window::left() const { return qt::to_twips(outer_position().x()); }
double Window::top() const { return qt::to_twips(outer_position().y()); }

void Window::set_left(double twips)
{
    if (!std::isfinite(twips))
        raise(ERR_OVERFLOW);
    move_outer(QPoint(qt::to_pixels(twips), outer_position().y()));
}

void Window::set_top(double twips)
{
    if (!std::isfinite(twips))
        raise(ERR_OVERFLOW);
    move_outer(QPoint(outer_position().x(), qt::to_pixels(twips)));
}

double Window::width() const
{
    QWidget* window = checked();
    const QMargins frame = qt::frame_extents(window);
    return qt::to_twips(window->width() + frame.left() + frame.right());
}

double Window::height() const
{
    QWidget* window = checked();
    const QMargins frame = qt::frame_extents(window);
    return qt::to_twips(window->height() + frame.top() + frame.bottom());
}

void Window::unload()
{
    checked()->close();
}

// ---------------------------------------------------------------- Screen and units

namespace {

const QScreen* primary_screen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        raise(ERR_INVALID_CALL);
    return screen;
}

}  // namespace

double screen::width() { return qt::to_twips(primary_screen()->geometry().width()); }
double screen::height() { return qt::to_twips(primary_screen()->geometry().height()); }

double twips_per_pixel()
{
    const double dpi = primary_screen()->logicalDotsPerInchX();
    if (!(dpi > 0))
        raise(ERR_DIVISION_BY_ZERO);
    return 1440.0 / dpi;
}

int qt::to_pixels(double twips)
{
    const double pixels = std::round(twips / twips_per_pixel());
    if (!(pixels >= -1e9 && pixels <= 1e9))
        raise(ERR_OVERFLOW);
    return static_cast<int>(pixels);
}

double qt::to_twips(int pixels)
{
    return pixels * twips_per_pixel();
}

QRect qt::to_pixels(double left, double top, double width, double height)
{
    const int x = to_pixels(left), y = to_pixels(top);
    return QRect(x, y, to_pixels(left + width) - x, to_pixels(top + height) - y);
}

}  // namespace tk
