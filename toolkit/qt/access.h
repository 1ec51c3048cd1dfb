// What assistive technology is told: names that follow what a control
// shows, the interfaces of the toolkit's own widgets, and announcements.
#pragma once

#include <QWidget>

class QLabel;

namespace tk::qt {

// Gives a label its shown text as its accessible name.
void name_as_shown(QLabel* label);

// Installs, once, the accessible interfaces of the toolkit's own widgets:
// a card face exists for assistive technology only while it is offered,
// and a frame lists no child that is not. A message box's button row, and
// a scroll bar that never shows, tell of no relation that is not told back.
void install_accessibility();

// Says a short text through a screen reader, as a notification, without
// moving the keyboard focus. It holds the last text said.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);
    void say(const QString& text);
};

}  // namespace tk::qt
