#pragma once
#include <string>

namespace skelvora {

// The general error report's text: the message with a full stop appended
// when it is not empty and its last character sorts above ".".
inline std::string WithFullStop(std::string message)
{
    if (!message.empty() && (unsigned char)message.back() > (unsigned char)'.')
        message += '.';
    return message;
}

} // namespace skelvora
