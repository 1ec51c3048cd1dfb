// Message boxes, the end of the program and the report of an unhandled error.
#include "toolkit/runtime.h"

#include <cstdlib>

namespace tk {

std::int16_t Runtime::msgbox(const Text& prompt, std::int16_t style, const Text& title)
{
    check_not_ended();
    if (!hook_ && !front_end_)
        raise(ERR_INVALID_CALL);
    const MessageBoxCall call{prompt, style, title};
    const std::int16_t answer = hook_ ? hook_(call) : front_end_->message_box(call, before_box_ ? before_box_() : BoxSetting());
    // A handler run while the box was open may have ended the program.
    check_not_ended();
    return answer;
}

void Runtime::end(int status)
{
    state_ = State::Ended;
    exit_status_ = status;
    if (front_end_)
        front_end_->end(status);
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
