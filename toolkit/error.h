// The program's one run-time error type, raised by every failing operation.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace tk {

// Error numbers, as the run time reports them.
enum ErrorNumber : std::int32_t {
    ERR_INVALID_CALL = 5,
    ERR_OVERFLOW = 6,
    ERR_SUBSCRIPT = 9,
    ERR_DIVISION_BY_ZERO = 11,
    ERR_TYPE_MISMATCH = 13,
    ERR_APPLICATION = 51,  // an error from outside the program's own code
    ERR_NO_ELEMENT = 340,
};

class Error : public std::exception {
public:
    explicit Error(std::int32_t number) noexcept : number_(number) {}
    std::int32_t number() const noexcept { return number_; }
    // The Spanish description the player is shown.
    const char* description() const noexcept;
    const char* what() const noexcept override { return description(); }

private:
    std::int32_t number_;
};

[[noreturn]] inline void raise(std::int32_t number) { throw Error(number); }

// Thrown out of an operation that ran other handlers and found the program
// ended meanwhile; the dispatch point swallows it so nothing more runs.
struct Ended {};

}  // namespace tk
