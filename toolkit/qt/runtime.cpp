// Message boxes, the end of the program and the report of an unhandled error.
#include "toolkit/runtime.h"

#include "toolkit/qt/messagebox.h"

#include <QCoreApplication>
#include <QThread>
#include <QWidget>

#include <cstdlib>

namespace tk {

Runtime::Runtime(QWidget* owner) : owner_(owner), boxes_(owner ? std::make_unique<qt::MessageBoxes>(owner) : nullptr) {}

Runtime::~Runtime() = default;

std::int16_t Runtime::msgbox(const Text& prompt, std::int16_t style, const Text& title)
{
    check_not_ended();
    if (!hook_ && !owner_)
        raise(ERR_INVALID_CALL);
    const std::int16_t answer =
        hook_ ? hook_({prompt, style, title})
              : boxes_->show(prompt, style, title, before_box_ ? before_box_() : BoxSetting());
    // A handler run from the message box's event loop may have ended the program.
    check_not_ended();
    return answer;
}

void Runtime::end(int status)
{
    state_ = State::Ended;
    exit_status_ = status;
    if (owner_)
        owner_->hide();
    // Leaves every running event loop, nested ones included. Without a
    // running loop there is nothing to leave, and exit() would make every
    // later loop return at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(status);
}

void Runtime::fail(const Error& error) noexcept
{
    state_ = State::Reporting;
    try {
        const Text prompt = u"Se ha producido el error '" + cstr(error.number()) + u"' en tiempo de ejecución:\n\n" +
                            from_utf8(error.description());
        msgbox(prompt, MB_OK | MB_ICONERROR, u"Duplimo");
    } catch (...) {
        // Nothing more can be reported; the program ends all the same.
    }
    end(EXIT_FAILURE);
}

}  // namespace tk
