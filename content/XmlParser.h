#pragma once

#include <cstddef>
#include <string>

namespace Xml {

class CXmlNode;

// The strict recursive parser behind CXmlNode::load. Knows elements, attributes in double
// quotes, text, comments and "<? ?>" declarations; nothing else (no entities, no CDATA).
class XmlParser final {
public:
    // Deeper documents are refused: nothing the game writes comes close, and recursion must stay
    // bounded whatever a user puts into a file.
    static constexpr int kMaxDepth = 256;

    XmlParser(const char* buffer, std::size_t length) : m_buf(buffer), m_len(length) {}

    // Fills root from the first element of the buffer. Throws CXmlException.
    void parseDocument(CXmlNode& root);

private:
    void parseElement(CXmlNode& node, int depth);
    void readAttributes(CXmlNode& node);
    bool findElementStart();
    bool skipCommentAndDeclaration();
    void skipSpace();
    void endCheck() const;
    void readName(std::string& out);
    bool at(const char* literal) const;
    bool inside() const { return m_pos < m_len; }

    const char* m_buf;
    std::size_t m_len;
    std::size_t m_pos = 0;
};

} // namespace Xml
