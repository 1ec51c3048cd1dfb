// What assistive technology is told: the interfaces of the toolkit's own
// widgets, and announcements.
#pragma once

#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

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

// Holds back what Qt tells assistive technology when a watched control is
// enabled or disabled, and lets it through a few controls at a time, every
// 50 ms: a screen reader handed sixty such changes at once falls behind,
// and drops what it cannot keep up with, what was said just before among
// it. A held control is redrawn at once; one held down is released, and
// told so, at once.
class StateNews : public QObject {
public:
    // worth_telling: whether a control's news is still worth telling when
    // its turn comes.
    StateNews(QObject* parent, std::function<bool(const QWidget*)> worth_telling);

    // News goes out in the order the controls were watched.
    void watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tell_next();

    struct Watched {
        QPointer<QWidget> control;
        bool held;
    };
    std::vector<Watched> watched_;
    QHash<const QObject*, std::size_t> index_;
    std::function<bool(const QWidget*)> worth_telling_;
    QTimer pace_;
    bool telling_ = false;  // a held change is going through
};

}  // namespace tk::qt
