// The control handles, backed by Qt widgets.
#include "toolkit/controls.h"

#include "toolkit/qt/access.h"
#include "toolkit/qt/card.h"
#include "toolkit/qt/frameextents.h"
#include "toolkit/qt/handle.h"
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

using qt::from_qt;
using qt::to_qt;

Control* require(Control* control)
{
    if (!control)
        raise(ERR_INVALID_CALL);
    return control;
}

template <class T>
T* require(const Control* control)
{
    if (!control)
        raise(ERR_INVALID_CALL);
    return qt::object<T>(control);
}

// A control's own Enabled flag, whatever its container's.
bool own_enabled(const QWidget* widget)
{
    return !widget->testAttribute(Qt::WA_ForceDisabled);
}

using qt::index_property;
using qt::tag_property;
constexpr const char* picture_property = "tk_picture";
constexpr const char* picture_list_property = "tk_picture_list";

}  // namespace

// ---------------------------------------------------------------- Button

Control* Button::checked() const { return require(c_); }

namespace {
QAbstractButton* button_of(Control* control) { return qt::object<QAbstractButton>(control); }
}  // namespace

bool Button::visible() const
{
    // A face's own flag: its widget shows only while its back is hidden.
    const QAbstractButton* button = button_of(checked());
    if (const auto* face = qobject_cast<const qt::CardFace*>(button))
        return face->shown();
    return !button->isHidden();
}

void Button::set_visible(bool on) { button_of(checked())->setVisible(on); }
bool Button::enabled() const { return own_enabled(button_of(checked())); }
void Button::set_enabled(bool on) { button_of(checked())->setEnabled(on); }
Text Button::caption() const { return from_qt(button_of(checked())->text()); }
void Button::set_caption(const Text& caption) { button_of(checked())->setText(to_qt(caption)); }
Text Button::tag() const { return from_qt(button_of(checked())->property(tag_property).toString()); }
void Button::set_tag(const Text& tag) { button_of(checked())->setProperty(tag_property, to_qt(tag)); }

std::int16_t Button::index() const
{
    const QVariant index = button_of(checked())->property(index_property);
    if (!index.isValid())
        raise(ERR_INVALID_CALL);  // not an element of a control array
    return static_cast<std::int16_t>(index.toInt());
}

Picture Button::picture() const
{
    const QAbstractButton* button = button_of(checked());
    const auto* list = reinterpret_cast<const Control*>(button->property(picture_list_property).value<quintptr>());
    return list ? Picture(list, static_cast<std::int16_t>(button->property(picture_property).toInt())) : Picture();
}

void Button::set_picture(const Picture& picture)
{
    QAbstractButton* button = button_of(checked());
    const auto* store = qt::object<const qt::ImageStore>(picture.list());
    const QIcon icon = store ? store->icon(picture.number()) : QIcon();
    if (auto* face = qobject_cast<qt::CardFace*>(button))
        face->set_picture(icon, store ? store->name(picture.number()) : QString());
    else
        button->setIcon(icon);
    button->setProperty(picture_list_property, QVariant::fromValue(reinterpret_cast<quintptr>(picture.list())));
    button->setProperty(picture_property, int{picture.number()});
}

// ---------------------------------------------------------------- Frame, Label, TextBox

Control* Frame::checked() const { return require(c_); }
bool Frame::enabled() const { return own_enabled(qt::object<QGroupBox>(checked())); }
void Frame::set_enabled(bool on) { qt::object<QGroupBox>(checked())->setEnabled(on); }

Control* Label::checked() const { return require(c_); }
Text Label::caption() const { return from_qt(qt::object<QLabel>(checked())->text()); }
void Label::set_caption(const Text& caption)
{
    auto* label = qt::object<QLabel>(checked());
    const bool was_empty = label->text().isEmpty();
    label->setText(to_qt(caption));
    if (was_empty != caption.empty())
        qt::tell_label_emptiness_changed(label);
}

Control* TextBox::checked() const { return require(c_); }
Text TextBox::text() const { return from_qt(qt::object<QPlainTextEdit>(checked())->toPlainText()); }
void TextBox::set_text(const Text& text) { qt::object<QPlainTextEdit>(checked())->setPlainText(to_qt(text)); }

// ---------------------------------------------------------------- Timer

Control* Timer::checked() const { return require(c_); }

std::int32_t Timer::interval() const
{
    const auto* timer = qt::object<QTimer>(checked());
    return timer->isActive() ? timer->interval() : 0;
}

void Timer::set_interval(std::int32_t milliseconds)
{
    if (milliseconds < 0)
        raise(ERR_INVALID_CALL);
    // A QTimer at 0 ms would fire on every pass of the event loop; here 0
    // means no ticks at all.
    auto* timer = qt::object<QTimer>(checked());
    if (milliseconds == 0)
        timer->stop();
    else
        timer->start(milliseconds);
}

// ---------------------------------------------------------------- ImageList

std::int16_t ImageList::count() const
{
    return static_cast<std::int16_t>(require<const qt::ImageStore>(c_)->count());
}

Picture ImageList::picture(std::int16_t k) const
{
    if (k < 1 || k > count())
        raise(ERR_SUBSCRIPT);
    return Picture(c_, k);
}

// ---------------------------------------------------------------- Window

Control* Window::checked() const { return require(c_); }

namespace {

QWidget* window_of(Control* control) { return qt::object<QWidget>(control); }

// Before the first show Qt's pos() counts only the frame that Qt already
// knows of (none on X11, where the window manager adds it later); the frame
// the window will have is taken into account here.
QPoint outer_position(QWidget* window)
{
    if (window->isVisible())
        return window->pos();
    const QMargins frame = qt::frame_extents(window);
    return window->geometry().topLeft() - QPoint(frame.left(), frame.top());
}

void move_outer(QWidget* window, QPoint position)
{
    if (window->isVisible()) {
        window->move(position);
        return;
    }
    const QMargins frame = qt::frame_extents(window);
    const QPoint known_frame = window->geometry().topLeft() - window->pos();
    window->move(position + QPoint(frame.left(), frame.top()) - known_frame);
}

}  // namespace

double Window::left() const { return qt::to_twips(outer_position(window_of(checked())).x()); }
double Window::top() const { return qt::to_twips(outer_position(window_of(checked())).y()); }

void Window::set_left(double twips)
{
    if (!std::isfinite(twips))
        raise(ERR_OVERFLOW);
    QWidget* window = window_of(checked());
    move_outer(window, QPoint(qt::to_pixels(twips), outer_position(window).y()));
}

void Window::set_top(double twips)
{
    if (!std::isfinite(twips))
        raise(ERR_OVERFLOW);
    QWidget* window = window_of(checked());
    move_outer(window, QPoint(outer_position(window).x(), qt::to_pixels(twips)));
}

double Window::width() const
{
    QWidget* window = window_of(checked());
    const QMargins frame = qt::frame_extents(window);
    return qt::to_twips(window->width() + frame.left() + frame.right());
}

double Window::height() const
{
    QWidget* window = window_of(checked());
    const QMargins frame = qt::frame_extents(window);
    return qt::to_twips(window->height() + frame.top() + frame.bottom());
}

void Window::unload()
{
    window_of(checked())->close();
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
