#pragma once

#include <exception>
#include <string>

namespace Xml {

// Thrown by the XML reader; the message is one of a fixed set ("Expected <", ...).
class CXmlException final : public std::exception {
public:
    explicit CXmlException(std::string message) : m_message(std::move(message)) {}

    std::string getMessage() const { return m_message; }
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    std::string m_message;
};

} // namespace Xml
