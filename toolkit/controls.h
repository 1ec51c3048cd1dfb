// The controls as the game logic sees them: thin handles over the widgets.
// Every operation checks its own status and raises tk::Error on failure.
#pragma once

#include "toolkit/convert.h"
#include "toolkit/error.h"

#include <cstdint>
#include <vector>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPoint;
class QTimer;
class QWidget;

namespace tk {

namespace qt {
class ImageStore;
}

// A picture that a face can show: empty, or image k of an image list.
class Picture {
public:
    Picture() = default;
    Picture(const qt::ImageStore* store, std::int16_t number) : store_(store), number_(number) {}
    bool empty() const { return store_ == nullptr; }
    const qt::ImageStore* store() const { return store_; }
    std::int16_t number() const { return number_; }
    bool operator==(const Picture&) const = default;

private:
    const qt::ImageStore* store_ = nullptr;
    std::int16_t number_ = 0;
};

// The empty picture: what loading a picture from an empty file name gives.
inline Picture load_picture() { return {}; }

class Button {
public:
    explicit Button(QAbstractButton* widget = nullptr) : w_(widget) {}
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
    QAbstractButton* widget() const { return w_; }

private:
    QAbstractButton* checked() const;
    QAbstractButton* w_;
};

class Frame {
public:
    explicit Frame(QGroupBox* widget = nullptr) : w_(widget) {}
    bool enabled() const;
    void set_enabled(bool on);

private:
    QGroupBox* checked() const;
    QGroupBox* w_;
};

class Label {
public:
    explicit Label(QLabel* widget = nullptr) : w_(widget) {}
    Text caption() const;
    void set_caption(const Text& caption);

private:
    QLabel* checked() const;
    QLabel* w_;
};

class TextBox {
public:
    explicit TextBox(QPlainTextEdit* widget = nullptr) : w_(widget) {}
    Text text() const;
    void set_text(const Text& text);
    QPlainTextEdit* widget() const { return w_; }

private:
    QPlainTextEdit* checked() const;
    QPlainTextEdit* w_;
};

class Timer {
public:
    explicit Timer(QTimer* timer = nullptr) : t_(timer) {}
    // Milliseconds between ticks; 0 raises none.
    std::int32_t interval() const;
    void set_interval(std::int32_t milliseconds);

private:
    QTimer* checked() const;
    QTimer* t_;
};

// Pictures numbered from 1.
class ImageList {
public:
    explicit ImageList(const qt::ImageStore* store = nullptr) : store_(store) {}
    std::int16_t count() const;
    // Picture k, 1 <= k <= count(); anything else raises an error.
    Picture picture(std::int16_t k) const;

private:
    const qt::ImageStore* store_;
};

// Elements addressed by a 16-bit index; a missing element raises an error.
template <class Control>
class ControlArray {
public:
    void add(Control control) { elements_.push_back(control); }
    std::int16_t count() const { return static_cast<std::int16_t>(elements_.size()); }
    Control& operator()(std::int16_t i)
    {
        if (i < 0 || i >= count())
            raise(ERR_NO_ELEMENT);
        return elements_[static_cast<std::size_t>(i)];
    }

private:
    std::vector<Control> elements_;
};

// A top-level window; positions and sizes in twips. Width and Height are
// the outer size, frame and title bar included.
class Window {
public:
    explicit Window(QWidget* widget = nullptr) : w_(widget) {}
    double left() const;
    void set_left(double twips);
    double top() const;
    void set_top(double twips);
    double width() const;
    double height() const;
    // Asks to close: the close request handler may refuse it, and a refused
    // unload returns normally.
    void unload();
    QWidget* widget() const { return w_; }

private:
    QWidget* checked() const;
    QPoint outer_position() const;
    void move_outer(QPoint position);
    QWidget* w_;
};

// The primary screen, in twips.
namespace screen {
double width();
double height();
}  // namespace screen

// Twips per device-independent pixel: 1440 / logical dpi.
double twips_per_pixel();

}  // namespace tk
