// The Qt front end of a window: its message boxes, its end, its keyboard
// focus and what it says, over the widgets the window was built of.
#pragma once

#include "toolkit/frontend.h"
#include "toolkit/qt/messagebox.h"

#include <QPointer>

class QWidget;

namespace tk::qt {

class Announcer;
class CardGrid;
class StateNews;

class FrontEnd final : public tk::FrontEnd {
public:
    explicit FrontEnd(QWidget* window);

    // The window's cards, once built: the focus rule applies to them, and
    // the news of their changes of state is paced.
    void set_grid(CardGrid* grid);

    std::int16_t message_box(const MessageBoxCall& call, const BoxSetting& setting) override;
    void end(int status) override;
    Control* focus() const override;
    void set_focus(Control* control) override;
    void set_focus_rule(FocusRule rule) override;
    void say(const Text& text) override;

private:
    QWidget* window_;
    MessageBoxes boxes_;
    CardGrid* grid_ = nullptr;
    Announcer* announcer_ = nullptr;  // the window's children
    StateNews* state_news_ = nullptr;
};

}  // namespace tk::qt
