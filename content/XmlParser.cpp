#include "content/XmlParser.h"

#include "content/CXmlException.h"
#include "content/CXmlNode.h"

#include <cstring>

namespace Xml {

namespace {

// Printable characters other than the blank; every other byte counts as space.
bool isVisible(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u > 0x20 && u < 0x7f;
}

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool hasVisible(const std::string& text)
{
    for (char c : text)
        if (isVisible(c))
            return true;
    return false;
}

[[noreturn]] void fail(const char* message)
{
    throw CXmlException(message);
}

} // namespace

void XmlParser::parseDocument(CXmlNode& root)
{
    m_pos = 0;
    if (findElementStart()) {
        parseElement(root, 1);
        return;
    }
    // Nothing but space is an empty document; comments or declarations with no element after
    // them mean the element was cut off.
    for (std::size_t i = 0; i < m_len; ++i)
        if (isVisible(m_buf[i]))
            fail("Unexpected end of file");
}

bool XmlParser::at(const char* literal) const
{
    const std::size_t n = std::strlen(literal);
    return m_len - m_pos >= n && std::memcmp(m_buf + m_pos, literal, n) == 0;
}

void XmlParser::skipSpace()
{
    while (inside() && !isVisible(m_buf[m_pos]))
        ++m_pos;
}

void XmlParser::endCheck() const
{
    if (m_pos >= m_len)
        fail("Unexpected end of file");
}

void XmlParser::readName(std::string& out)
{
    out.clear();
    out.reserve(8);
    while (inside() && isNameChar(m_buf[m_pos]))
        out.push_back(m_buf[m_pos++]);
}

// Skips at most one comment and then at most one declaration; true when anything was skipped.
bool XmlParser::skipCommentAndDeclaration()
{
    if (!inside() || m_buf[m_pos] != '<')
        fail("Expected <");
    const std::size_t start = m_pos;

    if (m_len - m_pos >= 5 && at("<!--")) {
        m_pos += 4;
        while (inside()) {
            if (m_buf[m_pos] == '-') {
                if (m_pos + 3 >= m_len)
                    fail("Ends of comment not found");
                if (at("-->")) {
                    m_pos += 3;
                    break;
                }
            }
            ++m_pos;
        }
    }
    if (m_len - m_pos >= 3 && at("<?")) {
        m_pos += 2;
        while (inside()) {
            if (m_buf[m_pos] == '?') {
                if (m_pos + 3 >= m_len)
                    fail("Ends of comment not found");
                if (m_buf[m_pos + 1] == '>') {
                    m_pos += 2;
                    break;
                }
            }
            ++m_pos;
        }
    }
    return m_pos != start;
}

// Moves to the "<" that opens the next element, past any comments and declarations.
bool XmlParser::findElementStart()
{
    while (inside()) {
        skipSpace();
        if (!inside())
            return false;
        if (m_buf[m_pos] != '<')
            fail("Expected <");
        if (!skipCommentAndDeclaration())
            return true;
    }
    return false;
}

void XmlParser::readAttributes(CXmlNode& node)
{
    std::string name;
    while (inside()) {
        skipSpace();
        endCheck();
        readName(name);
        if (name.empty())
            return;
        skipSpace();
        endCheck();
        if (m_buf[m_pos] != '=')
            fail("Expected =");
        ++m_pos;
        skipSpace();
        endCheck();
        if (m_buf[m_pos] != '"')
            fail("Expected \"");
        ++m_pos;
        const std::size_t begin = m_pos;
        while (inside() && m_buf[m_pos] != '"')
            ++m_pos;
        endCheck();
        node.m_attributes[name] = std::string(m_buf + begin, m_pos - begin);
        ++m_pos;
    }
}

void XmlParser::parseElement(CXmlNode& node, int depth)
{
    if (depth > kMaxDepth)
        fail("Unexpected error");
    if (!findElementStart())
        fail("Unexpected end of file");
    ++m_pos; // "<"
    endCheck();

    skipSpace();
    endCheck();
    readName(node.m_name);
    endCheck();
    readAttributes(node);
    endCheck();

    bool open = false;
    if (at("/>")) {
        m_pos += 2;
    } else if (m_buf[m_pos] == '>') {
        ++m_pos;
        open = true;
    } else {
        fail("Unexpected char");
    }

    while (open) {
        // A truncated document must not pass for a complete one.
        endCheck();
        const std::size_t begin = m_pos;
        while (inside() && m_buf[m_pos] != '<')
            ++m_pos;
        if (node.m_text.empty())
            node.m_text.reserve(16);
        node.m_text.append(m_buf + begin, m_pos - begin);
        endCheck();
        if (!hasVisible(node.m_text))
            node.m_text.clear();

        skipCommentAndDeclaration();
        skipSpace();
        endCheck();

        if (at("</")) {
            m_pos += 2;
            skipSpace();
            endCheck();
            std::string closing;
            readName(closing);
            endCheck();
            if (closing != node.m_name)
                fail("Open and close tags didn't match");
            open = false;
            ++m_pos; // the closing ">", taken on trust
        } else if (m_buf[m_pos] == '<') {
            auto child = std::make_unique<CXmlNode>();
            parseElement(*child, depth + 1);
            node.m_children.push_back(std::move(child));
        } else {
            fail("Unexpected error");
        }
    }
}

} // namespace Xml
