// What assistive technology is told of a message box.
#pragma once

class QAccessibleInterface;
class QObject;
class QWidget;

namespace tk::qt {

// The interface of a message box, or of a label in one: a box is an alert
// whose children are its icon, its text and its buttons, as a native
// box's. Null for anything else.
QAccessibleInterface* box_interface(QObject* object);

// The message box whose row of buttons holds a button, if any: the
// button's parent, as a native box's buttons are children of the box.
QWidget* box_of_button(const QWidget* button);

}  // namespace tk::qt
