#pragma once

#include <stdexcept>
#include <string>

namespace quorvel {

// Every failure the user may see carries the system's own message text.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that does not form a valid date, time or number.
class ConvertError : public Error {
public:
    using Error::Error;
};

}  // namespace quorvel
