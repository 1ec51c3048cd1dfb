// The control handles over plain state.
#include "toolkit/headless/control.h"
#include "toolkit/headless/frontend.h"
#include "toolkit/headless/screen.h"

#include <cmath>

namespace tk {

namespace {

Control* require(Control* control)
{
    if (!control)
        raise(ERR_INVALID_CALL);
    return control;
}

const Control* require(const Control* control)
{
    if (!control)
        raise(ERR_INVALID_CALL);
    return control;
}

using Change = headless::View::Change;

// Sets a property and tells the view of a change.
template <class Value>
void update(Control* control, Value Control::*property, const Value& value, Change change)
{
    if (control->*property == value)
        return;
    control->*property = value;
    if (control->view)
        control->view->changed(*control, change);
}

}  // namespace

Control* Button::checked() const { return require(c_); }
bool Button::visible() const { return checked()->visible; }

void Button::set_visible(bool on)
{
    Control* button = checked();
    if (button->visible == on)
        return;
    update(button, &Control::visible, on, Change::Visible);
    if (button->front_end)
        button->front_end->cell_changed(button->cell);
}

bool Button::enabled() const { return checked()->enabled; }
void Button::set_enabled(bool on) { update(checked(), &Control::enabled, on, Change::Enabled); }
Text Button::caption() const { return checked()->caption; }
void Button::set_caption(const Text& caption) { update(checked(), &Control::caption, caption, Change::Caption); }
Text Button::tag() const { return checked()->tag; }
void Button::set_tag(const Text& tag) { checked()->tag = tag; }

std::int16_t Button::index() const
{
    const Control* button = checked();
    if (button->index < 0)
        raise(ERR_INVALID_CALL);  // not an element of a control array
    return button->index;
}

Picture Button::picture() const { return checked()->picture; }
void Button::set_picture(const Picture& picture) { update(checked(), &Control::picture, picture, Change::Picture); }

Control* Frame::checked() const { return require(c_); }
bool Frame::enabled() const { return checked()->enabled; }
void Frame::set_enabled(bool on) { update(checked(), &Control::enabled, on, Change::Enabled); }

Control* Label::checked() const { return require(c_); }
Text Label::caption() const { return checked()->caption; }
void Label::set_caption(const Text& caption) { update(checked(), &Control::caption, caption, Change::Caption); }

Control* TextBox::checked() const { return require(c_); }
Text TextBox::text() const { return checked()->text; }
void TextBox::set_text(const Text& text) { update(checked(), &Control::text, text, Change::Text); }

Control* Timer::checked() const { return require(c_); }
std::int32_t Timer::interval() const { return checked()->interval; }

void Timer::set_interval(std::int32_t milliseconds)
{
    if (milliseconds < 0)
        raise(ERR_INVALID_CALL);
    update(checked(), &Control::interval, milliseconds, Change::Interval);
}

std::int16_t ImageList::count() const { return require(c_)->count; }

Picture ImageList::picture(std::int16_t k) const
{
    if (k < 1 || k > count())
        raise(ERR_SUBSCRIPT);
    return Picture(c_, k);
}

Control* Window::checked() const { return require(c_); }
double Window::left() const { return checked()->left; }
double Window::top() const { return checked()->top; }

void Window::set_left(double twips)
{
    if (!std::isfinite(twips))
        raise(ERR_OVERFLOW);
    checked()->left = twips;
}

void Window::set_top(double twips)
{
    if (!std::isfinite(twips))
        raise(ERR_OVERFLOW);
    checked()->top = twips;
}

double Window::width() const { return checked()->width; }
double Window::height() const { return checked()->height; }

void Window::unload()
{
    Control* window = checked();
    if (window->close)
        window->close();
}

double screen::width() { return headless::screen_width; }
double screen::height() { return headless::screen_height; }

double twips_per_pixel() { return headless::twips_per_pixel; }

}  // namespace tk
