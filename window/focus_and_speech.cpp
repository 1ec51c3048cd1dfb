// The keyboard and the screen reader's policy: the one place that decides
// where the focus goes and what is said.
#include "window/focus_and_speech.h"

#include "game/form.h"
#include "toolkit/qt/access.h"
#include "toolkit/qt/card.h"

#include <QAbstractButton>
#include <QPlainTextEdit>

namespace window {

FocusAndSpeech::FocusAndSpeech(QWidget* window, game::Form& form, tk::qt::CardGrid& grid)
    : window_(window), form_(form), grid_(grid), announcer_(new tk::qt::Announcer(window)), before_(seen())
{
    grid_.set_focus_rule([this](int cell, QWidget* now) { return after_leaving(cell, now); });
    form_.runtime.set_before_message_box([this] { return before_message_box(); });
    // Pausing and resuming enable or disable every card at once: told in
    // cell order, a few at a time, after what the command said or moved
    // the keyboard to. A card not on show by its turn has nothing to tell.
    state_news_ = new tk::qt::StateNews(window, [this](const QWidget* control) {
        const auto* card = static_cast<const tk::qt::Card*>(control);
        return grid_.showing(card->cell()) == card;
    });
    for (int cell = 0; cell < grid_.count(); ++cell) {
        state_news_->watch(grid_.back(cell));
        state_news_->watch(grid_.face(cell));
    }
}

FocusAndSpeech::Seen FocusAndSpeech::seen() const
{
    return {form_.txtacertados.widget()->toPlainText(), form_.txtfallados.widget()->toPlainText(),
            form_.btndetener.widget()->isEnabled()};
}

void FocusAndSpeech::before(Command command)
{
    before_ = seen();
    turned_ = nullptr;
    picking_ = command == Command::Pick;
    judged_cell_ = -1;
    // Start disables itself; the keyboard goes straight to the board after
    // the deal, without a stop on the way.
    if (command == Command::Start && window_->focusWidget())
        window_->focusWidget()->clearFocus();
}

void FocusAndSpeech::after(Command command)
{
    turned_ = nullptr;
    picking_ = false;
    if (!form_.runtime.running())
        return;
    switch (command) {
    case Command::Start:  // on the first card
        for (int cell = 0; cell < grid_.count(); ++cell) {
            QWidget* card = grid_.showing(cell);
            if (card && card->isEnabled()) {
                card->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
        break;
    case Command::PauseContinue: {  // on the button, which says what it now does
        QAbstractButton* button = form_.btndetener.widget();
        if (window_->focusWidget() == button)
            announcer_->say(button->text().remove(QLatin1Char('&')));
        else if (button->isEnabled())
            button->setFocus(Qt::OtherFocusReason);
        break;
    }
    case Command::Pick: {  // the new score is said; after the last pair, on Start
        // Where a result took the keyboard from a turned card, it goes to
        // what now shows in its cell, or on to the next card on the board.
        if (judged_cell_ >= 0)
            if (QWidget* next = after_leaving(judged_cell_, grid_.showing(judged_cell_)))
                next->setFocus(Qt::OtherFocusReason);
        judged_cell_ = -1;
        const Seen now = seen();
        if (now.hits != before_.hits)
            say_counter(form_.txtacertados.widget(), now.hits);
        else if (now.misses != before_.misses)
            say_counter(form_.txtfallados.widget(), now.misses);
        if (before_.pause_enabled && !now.pause_enabled)
            form_.btniniciar.widget()->setFocus(Qt::OtherFocusReason);
        break;
    }
    case Command::Exit:
        break;
    }
}

// The keyboard stays on its cell: on the face while the card is turned, on
// the back once it is turned back. When the cell leaves the board, it goes
// on to the next cell still on it, in index order, wrapping round.
QWidget* FocusAndSpeech::after_leaving(int cell, QWidget* now)
{
    if (now) {
        if (auto* face = qobject_cast<tk::qt::CardFace*>(now))
            turned_ = face;
        return now;
    }
    for (int k = 1; k < grid_.count(); ++k)
        if (QWidget* next = grid_.showing((cell + k) % grid_.count()))
            return next;
    return nullptr;
}

// A box that takes the keyboard from a card turned just now would keep a
// screen reader from telling its picture: it is told first. No box hides a
// card that is turned up. The answer to a result turns or takes off the
// card that had the keyboard: it stays with the window until then, rather
// than come back, for a moment, to a card about to be covered.
tk::Runtime::BoxSetting FocusAndSpeech::before_message_box()
{
    tk::Runtime::BoxSetting setting;
    if (turned_ && window_->focusWidget() == turned_)
        announcer_->say(turned_->picture_name());
    if (const auto* face = qobject_cast<const tk::qt::CardFace*>(window_->focusWidget()); face && picking_) {
        judged_cell_ = face->cell();
        setting.focus_back = false;
    }
    for (QWidget* card : grid_.on_show())
        if (qobject_cast<tk::qt::CardFace*>(card))
            setting.keep_in_view.push_back(card);
    return setting;
}

void FocusAndSpeech::say_counter(QWidget* counter, const QString& value)
{
    announcer_->say(counter->accessibleName() + QLatin1Char(' ') + value);
}

}  // namespace window
