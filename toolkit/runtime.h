// What the run time offers beside the controls: message boxes, the end of
// the program, the random source, and the one point where events enter.
#pragma once

#include "toolkit/convert.h"
#include "toolkit/error.h"
#include "toolkit/random.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace tk {

namespace qt {
class MessageBoxes;
}

// Message box styles and answers, as the Windows message-box values.
enum : std::int16_t {
    MB_OK = 0,
    MB_YESNO = 4,
    MB_ICONERROR = 16,
    MB_ICONQUESTION = 32,
    MB_ICONWARNING = 48,
    MB_ICONINFORMATION = 64,
};
enum : std::int16_t {
    IDOK = 1,
    IDYES = 6,
    IDNO = 7,
};

struct MessageBoxCall {
    Text prompt;
    std::int16_t style;
    Text title;
};

class Runtime {
public:
    // Test hook: answers message boxes in place of a person.
    using MessageBoxHook = std::function<std::int16_t(const MessageBoxCall&)>;

    // owner: the window that message boxes belong to.
    explicit Runtime(QWidget* owner = nullptr);
    ~Runtime();
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

    // The owner's part in every message box a player sees, called as it
    // opens: it may have something said first, and says which controls the
    // box must leave in view and whether the owner's keyboard goes back to
    // where it was once the box closes, or stays with the owner itself, for
    // the owner to place when its handler has run (where the answer may
    // take away the control that had it).
    struct BoxSetting {
        std::vector<QWidget*> keep_in_view;
        bool focus_back = true;
    };
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

    QWidget* owner_;
    std::unique_ptr<qt::MessageBoxes> boxes_;
    MessageBoxHook hook_;
    BeforeMessageBox before_box_;
    Random random_;
    State state_ = State::Running;
    int exit_status_ = 0;
};

}  // namespace tk
