// The pace at which assistive technology is told that controls were
// enabled or disabled.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

namespace tk::qt {

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
