// What assistive technology is told: the interfaces of the toolkit's own
// widgets, and announcements.
#pragma once

#include <QTimer>
#include <QWidget>

namespace tk::qt {

// Installs, once, the accessible interfaces of the toolkit's own widgets:
// a card face is named only while on show; a frame lists what a player
// sees in it, a card grid's cells in cell order; a label in a frame is
// named by its text alone; a message box is an alert described by its
// text; a message box's button row, and a scroll bar that never shows,
// tell of no relation that is not told back.
void install_accessibility();

// Says a short text through a screen reader, as a notification, without
// moving the keyboard focus. A moment later it is hidden and empty again,
// so that nothing stale stays on show.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);
    void say(const QString& text);

private:
    QTimer quiet_;
};

}  // namespace tk::qt
