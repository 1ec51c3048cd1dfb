// Short texts said through a screen reader without moving the keyboard.
#pragma once

#include <QTimer>
#include <QWidget>

namespace tk::qt {

// Says a short text through a screen reader without moving the keyboard
// focus: as an announcement where Qt has them (6.8 on), else as a
// notification read out as it appears, hidden and empty again a moment
// later, so that nothing stale stays on show.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);
    void say(const QString& text);
    // What was said last.
    const QString& said() const { return said_; }

private:
    QString said_;
    QTimer quiet_;
};

}  // namespace tk::qt
