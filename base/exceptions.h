#pragma once

#include <stdexcept>
#include <string>

// The program's errors: a message text, shown by the error display.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Fills the one "%s" of a message template.
std::string FormatText(const std::string& messageTemplate, const std::string& argument);
