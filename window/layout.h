// The description of the main window: every control with its container,
// stacking, rectangle (twips), caption, font, colour, tab index and style.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace window {

enum class ControlType { Frame, Label, TextBox, CommandButton, Timer, ImageList };

struct Font {
    const char* family;  // nullptr: the window's default font, or for the window the toolkit's default face
    double points;
};

constexpr std::int32_t default_colour = -1;

struct ControlSpec {
    const char* name;
    std::int16_t index = -1;  // element of a control array, or -1
    ControlType type;
    const char* container = nullptr;  // nullptr: the window itself
    const char16_t* caption = u"";
    double left = 0, top = 0, width = 0, height = 0;
    std::int16_t tab_index = -1;  // -1: not in the tab order
    Font font = {nullptr, 0};
    std::int32_t colour = default_colour;  // 0xRRGGBB of the caption or text
    const char* picture = nullptr;         // graphical buttons: resource name
    bool graphical = false;
    bool enabled = true;
    bool centred = false;     // text boxes
    bool multi_line = false;  // text boxes
    bool locked = false;      // text boxes: read-only
    const char16_t* accessible_name = nullptr;  // what a screen reader calls it, where its caption does not say
};

struct WindowSpec {
    const char16_t* caption;
    double client_width, client_height;
    const char* icon;  // resource base name
    Font font;         // the default font of every control that sets none
};

extern const WindowSpec frmprincipal_window;

// Card backs are named for a screen reader by their position, never by
// their key: "Carta 1" to "Carta 60".
constexpr const char16_t* card_back_name = u"Carta %1";

// Every control, containers before their children; within one container,
// topmost first.
std::span<const ControlSpec> frmprincipal_controls();

// The first control of that name listed; a name not in the description
// ends the program, as a description that lacks it cannot be used.
const ControlSpec& frmprincipal_control(std::string_view name);

// What each picture of the image list shows, in its order.
std::span<const char16_t* const> card_picture_names();

}  // namespace window
