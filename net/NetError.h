#pragma once

#include <stdexcept>
#include <string>

// A failure of the multiplayer layer that reaches the caller: a send that
// could not go out, an address that is not one, a socket that could not be
// bound, an operation that needs hosting information without any.
class ENetError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A text that should have been hexadecimal and was not.
class EConvertError : public std::invalid_argument
{
public:
    using std::invalid_argument::invalid_argument;
};
