#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Xml {

// One element of an XML document: name, character content, attributes ordered by name and
// owned children in document order. Every data file and the save file are trees of these.
class CXmlNode final {
public:
    CXmlNode() = default;
    CXmlNode(const CXmlNode&) = delete;
    CXmlNode& operator=(const CXmlNode&) = delete;
    CXmlNode(CXmlNode&&) = default;
    CXmlNode& operator=(CXmlNode&&) = default;
    ~CXmlNode() = default;

    // Parses a document into this node (cleared first). A length of 0 means text is a path and
    // the file is read whole. Throws CXmlException.
    void load(const char* text, std::size_t length);
    void loadFile(const std::string& path) { load(path.c_str(), 0); }

    // Appends the node and its subtree as tab-indented text.
    void toText(std::string& out) const { write(out, 0); }
    std::string toText() const;

    void clear();
    void copyFrom(const CXmlNode& other);

    std::string getName() const { return m_name; }
    std::string getText() const { return m_text; }
    const std::string& name() const { return m_name; }
    const std::string& text() const { return m_text; }
    void setName(std::string name) { m_name = std::move(name); }
    void setText(std::string text) { m_text = std::move(text); }

    // Typed attribute access; a missing or unreadable value gives the default.
    int getInt(const std::string& name, int defaultValue) const;
    float getFloat(const std::string& name, float defaultValue) const;
    std::string getString(const std::string& name, const std::string& defaultValue) const;
    bool hasAttribute(const std::string& name) const { return m_attributes.count(name) != 0; }
    const std::map<std::string, std::string>& attributes() const { return m_attributes; }

    void setString(const std::string& name, const std::string& value);
    void setInt(const std::string& name, std::int32_t value);
    void setUnsigned(const std::string& name, std::uint32_t value);
    void setFloat(const std::string& name, float value);

    std::vector<CXmlNode*> getChildren() const;
    std::size_t childCount() const { return m_children.size(); }
    CXmlNode* findChild(const std::string& name) const;
    // Takes ownership of an allocated node and returns it.
    CXmlNode* addChild(std::unique_ptr<CXmlNode> node);
    CXmlNode* addChild(const std::string& name);
    CXmlNode* addChildCopy(const CXmlNode& node);

private:
    friend class XmlParser;

    void write(std::string& out, int depth) const;

    std::string m_name;
    std::string m_text;
    std::map<std::string, std::string> m_attributes;
    std::vector<std::unique_ptr<CXmlNode>> m_children;
};

} // namespace Xml
