// What assistive technology is told of the toolkit's own widgets.
#pragma once

class QWidget;

namespace tk::qt {

// Installs, once, the accessible interfaces of the toolkit's own widgets:
// a button is named by its caption, with its access key as Windows writes
// it, and a card face only while on show; a frame lists what a player sees
// in it, a card grid's cells in cell order; a label in a frame is named by
// its text alone, and empty is out of reach, as a text box's viewport is;
// a message box is an alert whose children are its icon, its text and its
// buttons, as a native box's; a scroll bar that never shows tells of no
// relation that is not told back.
void install_accessibility();

// Tells assistive technology that a label came to show text or stopped:
// an empty label in a frame is nothing a player can reach.
void tell_label_emptiness_changed(QWidget* label);

}  // namespace tk::qt
