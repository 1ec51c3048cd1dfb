// What the run time offers beside the controls: message boxes, the end of
// the program, the random source, and the one point where events enter.
#pragma once

#include "toolkit/convert.h"
#include "toolkit/error.h"
#include "toolkit/frontend.h"
#include "toolkit/random.h"

#include <cstdint>
#include <functional>

namespace tk {

class Runtime {
public:
    // Test hook: answers message boxes in place of a person.
    using MessageBoxHook = std::function<std::int16_t(const MessageBoxCall&)>;

    // front_end: where message boxes show and what ends; nullptr for none.
    explicit Runtime(FrontEnd* front_end = nullptr) : front_end_(front_end) {}
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;
    // Modal to the application; returns the button pressed (IDOK, IDYES, IDNO).
    std::int16_t msgbox(const Text& prompt, std::int16_t style, const Text& title);

    // Ends the program at once: the window goes away, the event loop stops
    // with the given exit status and no handler runs any more.
    void end(int status = 0);
    bool ended() const { return state_ == State::Ended; }
    // False from an unhandled error on: while it is reported, and after.
    bool running() const { return state_ == State::Running; }
    // The program's exit status once ended: 0, or 1 after an unhandled error.
    int exit_status() const { return exit_status_; }

    void randomize() { random_.randomize(); }
    float rnd() { return random_.next(); }
    Random& random() { return random_; }

    void set_message_box_hook(MessageBoxHook hook) { hook_ = std::move(hook); }

    // The window's part in every message box a player sees, called as it
    // opens: it may have something said first, and gives the box's setting.
    using BeforeMessageBox = std::function<BoxSetting()>;
    void set_before_message_box(BeforeMessageBox before) { before_box_ = std::move(before); }

    // Runs an event handler. An error that reaches here is reported and ends
    // the program with status 1; from the error on, nothing runs, not even
    // while the report is open.
    template <class Handler>
    void dispatch(Handler&& handler) noexcept
    {
        if (!running())
            return;
        try {
            handler();
        } catch (const Ended&) {
        } catch (const Error& error) {
            fail(error);
        } catch (...) {
            fail(Error(ERR_APPLICATION));
        }
    }

    // Raises Ended when the program ended while a nested event loop ran.
    void check_not_ended() const
    {
        if (ended())
            throw Ended{};
    }

private:
    enum class State { Running, Reporting, Ended };

    void fail(const Error& error) noexcept;

    FrontEnd* front_end_;
    MessageBoxHook hook_;
    BeforeMessageBox before_box_;
    Random random_;
    State state_ = State::Running;
    int exit_status_ = 0;
};

}  // namespace tk
