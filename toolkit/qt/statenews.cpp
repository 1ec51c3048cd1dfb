// The pace of state news: a few controls' changes told at a time.
#include "toolkit/qt/statenews.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>

namespace tk::qt {

StateNews::StateNews(QObject* parent, std::function<bool(const QWidget*)> worth_telling)
    : QObject(parent), worth_telling_(std::move(worth_telling))
{
    pace_.setInterval(50);
    connect(&pace_, &QTimer::timeout, this, &StateNews::tell_next);
}

void StateNews::watch(QWidget* control)
{
    index_.insert(control, watched_.size());
    watched_.push_back({control, false});
    control->installEventFilter(this);
}

bool StateNews::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::EnabledChange || telling_)
        return false;
    Watched& held = watched_[index_.value(watched)];
    const auto* button = qobject_cast<const QAbstractButton*>(watched);
    if (button && button->isDown()) {
        held.held = false;
        return false;
    }
    held.control->update();
    held.held = true;
    if (!pace_.isActive())
        pace_.start();
    return true;
}

// The next few controls in order, as Qt tells them.
void StateNews::tell_next()
{
    constexpr int per_turn = 5;
    int told = 0;
    for (Watched& held : watched_) {
        if (!held.held)
            continue;
        if (told == per_turn)
            return;  // the timer runs on
        held.held = false;
        if (!held.control || !worth_telling_(held.control))
            continue;
        QEvent change(QEvent::EnabledChange);
        telling_ = true;
        QCoreApplication::sendEvent(held.control, &change);
        telling_ = false;
        ++told;
    }
    pace_.stop();
}

}  // namespace tk::qt
