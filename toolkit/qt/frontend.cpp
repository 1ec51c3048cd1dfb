// The Qt front end of a window.
#include "toolkit/qt/frontend.h"

#include "toolkit/qt/announcer.h"
#include "toolkit/qt/card.h"
#include "toolkit/qt/handle.h"
#include "toolkit/qt/statenews.h"

#include <QCoreApplication>
#include <QThread>
#include <QWidget>

namespace tk::qt {

FrontEnd::FrontEnd(QWidget* window) : window_(window), boxes_(window) {}

void FrontEnd::set_grid(CardGrid* grid)
{
    grid_ = grid;
    announcer_ = new Announcer(window_);
    // Pausing and resuming enable or disable every card at once: told in
    // cell order, a few at a time, after what the command said or moved
    // the keyboard to. A card not on show by its turn has nothing to tell.
    state_news_ = new StateNews(window_, [grid](const QWidget* control) {
        const auto* card = static_cast<const Card*>(control);
        return grid->showing(card->cell()) == card;
    });
    for (int cell = 0; cell < grid->count(); ++cell) {
        state_news_->watch(grid->back(cell));
        state_news_->watch(grid->face(cell));
    }
}

std::int16_t FrontEnd::message_box(const MessageBoxCall& call, const BoxSetting& setting)
{
    BoxWidgets widgets{{}, setting.focus_back};
    for (const Control* control : setting.keep_in_view)
        widgets.keep_in_view.push_back(object<QWidget>(control));
    return boxes_.show(call, widgets);
}

void FrontEnd::end(int status)
{
    window_->hide();
    // Leaves every running event loop, nested ones included. Without a
    // running loop there is nothing to leave, and exit() would make every
    // later loop return at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(status);
}

Control* FrontEnd::focus() const
{
    return window_->focusWidget() ? handle(window_->focusWidget()) : nullptr;
}

void FrontEnd::set_focus(Control* control)
{
    if (control)
        object<QWidget>(control)->setFocus(Qt::OtherFocusReason);
    else if (QWidget* focused = window_->focusWidget())
        focused->clearFocus();
}

void FrontEnd::set_focus_rule(FocusRule rule)
{
    grid_->set_focus_rule([rule = std::move(rule)](int cell, QWidget* now) {
        return object<QWidget>(rule(cell, now ? handle(now) : nullptr));
    });
}

void FrontEnd::say(const Text& text)
{
    announcer_->say(to_qt(text));
}

}  // namespace tk::qt
