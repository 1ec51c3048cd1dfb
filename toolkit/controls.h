// The controls as the game logic sees them: thin handles over a front
// end's controls. Each front end defines the operations declared here for
// its own kind of control; a build links one front end.
// Every operation checks its own status and raises tk::Error on failure.
#pragma once

#include "toolkit/convert.h"
#include "toolkit/error.h"

#include <cstdint>
#include <vector>

namespace tk {

// A control of the front end: opaque, never looked into outside it. Two
// handles over the same control hold the same pointer.
struct Control;

// A picture that a face can show: empty, or image k of an image list.
class Picture {
public:
    Picture() = default;
    Picture(const Control* list, std::int16_t number) : list_(list), number_(number) {}
    bool empty() const { return list_ == nullptr; }
    // The image list it comes from.
    const Control* list() const { return list_; }
    std::int16_t number() const { return number_; }
    bool operator==(const Picture&) const = default;

private:
    const Control* list_ = nullptr;
    std::int16_t number_ = 0;
};

// The empty picture: what loading a picture from an empty file name gives.
inline Picture load_picture() { return {}; }

class Button {
public:
    explicit Button(Control* control = nullptr) : c_(control) {}
    bool visible() const;
    void set_visible(bool on);
    bool enabled() const;
    void set_enabled(bool on);
    Text caption() const;
    void set_caption(const Text& caption);
    Text tag() const;
    void set_tag(const Text& tag);
    std::int16_t index() const;
    Picture picture() const;
    void set_picture(const Picture& picture);
    Control* control() const { return c_; }

private:
    Control* checked() const;
    Control* c_;
};

class Frame {
public:
    explicit Frame(Control* control = nullptr) : c_(control) {}
    bool enabled() const;
    void set_enabled(bool on);
    Control* control() const { return c_; }

private:
    Control* checked() const;
    Control* c_;
};

class Label {
public:
    explicit Label(Control* control = nullptr) : c_(control) {}
    Text caption() const;
    void set_caption(const Text& caption);
    Control* control() const { return c_; }

private:
    Control* checked() const;
    Control* c_;
};

class TextBox {
public:
    explicit TextBox(Control* control = nullptr) : c_(control) {}
    Text text() const;
    void set_text(const Text& text);
    Control* control() const { return c_; }

private:
    Control* checked() const;
    Control* c_;
};

class Timer {
public:
    explicit Timer(Control* control = nullptr) : c_(control) {}
    // Milliseconds between ticks; 0 raises none.
    std::int32_t interval() const;
    void set_interval(std::int32_t milliseconds);
    Control* control() const { return c_; }

private:
    Control* checked() const;
    Control* c_;
};

// Pictures numbered from 1.
class ImageList {
public:
    explicit ImageList(const Control* control = nullptr) : c_(control) {}
    std::int16_t count() const;
    // Picture k, 1 <= k <= count(); anything else raises an error.
    Picture picture(std::int16_t k) const;
    const Control* control() const { return c_; }

private:
    const Control* c_;
};

// Elements addressed by a 16-bit index; a missing element raises an error.
template <class Element>
class ControlArray {
public:
    void add(Element element) { elements_.push_back(element); }
    std::int16_t count() const { return static_cast<std::int16_t>(elements_.size()); }
    Element& operator()(std::int16_t i)
    {
        if (i < 0 || i >= count())
            raise(ERR_NO_ELEMENT);
        return elements_[static_cast<std::size_t>(i)];
    }

private:
    std::vector<Element> elements_;
};

// A top-level window; positions and sizes in twips. Width and Height are
// the outer size, frame and title bar included.
class Window {
public:
    explicit Window(Control* control = nullptr) : c_(control) {}
    double left() const;
    void set_left(double twips);
    double top() const;
    void set_top(double twips);
    double width() const;
    double height() const;
    // Asks to close: the close request handler may refuse it, and a refused
    // unload returns normally.
    void unload();
    Control* control() const { return c_; }

private:
    Control* checked() const;
    Control* c_;
};

// The primary screen, in twips.
namespace screen {
double width();
double height();
}  // namespace screen

// Twips per device-independent pixel: 1440 / logical dpi.
double twips_per_pixel();

}  // namespace tk
