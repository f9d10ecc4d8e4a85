#include "content/CXmlNode.h"

#include "content/CXmlException.h"
#include "content/XmlParser.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace Xml {

void CXmlNode::load(const char* text, std::size_t length)
{
    clear();
    if (length > 0) {
        XmlParser(text, length).parseDocument(*this);
        return;
    }
    if (!text)
        throw CXmlException("Can't open file");
    std::ifstream file(text, std::ios::binary);
    if (!file)
        throw CXmlException("Can't open file");
    std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // The terminating zero is part of what is parsed, as it always has been.
    content.push_back('\0');
    XmlParser(content.data(), content.size()).parseDocument(*this);
}

std::string CXmlNode::toText() const
{
    std::string out;
    write(out, 0);
    return out;
}

void CXmlNode::write(std::string& out, int depth) const
{
    out.append(static_cast<std::size_t>(depth), '\t');
    out += '<';
    out += m_name;
    for (const auto& [name, value] : m_attributes) {
        out += ' ';
        out += name;
        out += "=\"";
        out += value;
        out += '"';
    }
    out += '>';
    if (!m_text.empty()) {
        out += m_text;
    } else {
        out += '\n';
        for (const auto& child : m_children)
            child->write(out, depth + 1);
        out.append(static_cast<std::size_t>(depth), '\t');
    }
    out += "</";
    out += m_name;
    out += ">\n";
}

void CXmlNode::clear()
{
    m_children.clear();
    m_attributes.clear();
    m_name.clear();
    m_text.clear();
}

void CXmlNode::copyFrom(const CXmlNode& other)
{
    // Copy first, then replace: other may be this node or one of its descendants.
    std::string name = other.m_name;
    std::string text = other.m_text;
    auto attributes = other.m_attributes;
    std::vector<std::unique_ptr<CXmlNode>> children;
    children.reserve(other.m_children.size());
    for (const auto& child : other.m_children) {
        children.push_back(std::make_unique<CXmlNode>());
        children.back()->copyFrom(*child);
    }
    m_name = std::move(name);
    m_text = std::move(text);
    m_attributes = std::move(attributes);
    m_children = std::move(children);
}

int CXmlNode::getInt(const std::string& name, int defaultValue) const
{
    const auto it = m_attributes.find(name);
    if (it == m_attributes.end())
        return defaultValue;
    const char* begin = it->second.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, 10);
    if (end == begin)
        return defaultValue;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

float CXmlNode::getFloat(const std::string& name, float defaultValue) const
{
    const auto it = m_attributes.find(name);
    if (it == m_attributes.end())
        return defaultValue;
    const char* begin = it->second.c_str();
    char* end = nullptr;
    const float value = std::strtof(begin, &end);
    return end == begin ? defaultValue : value;
}

std::string CXmlNode::getString(const std::string& name, const std::string& defaultValue) const
{
    const auto it = m_attributes.find(name);
    return it == m_attributes.end() ? defaultValue : it->second;
}

void CXmlNode::setString(const std::string& name, const std::string& value)
{
    m_attributes[name] = value;
}

void CXmlNode::setInt(const std::string& name, std::int32_t value)
{
    m_attributes[name] = std::to_string(value);
}

void CXmlNode::setUnsigned(const std::string& name, std::uint32_t value)
{
    m_attributes[name] = std::to_string(value);
}

void CXmlNode::setFloat(const std::string& name, float value)
{
    // Shortest text that reads back as the same float.
    char text[32];
    for (int precision = 6; precision <= 9; ++precision) {
        std::snprintf(text, sizeof text, "%.*g", precision, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value)
            break;
    }
    m_attributes[name] = text;
}

std::vector<CXmlNode*> CXmlNode::getChildren() const
{
    std::vector<CXmlNode*> out;
    out.reserve(m_children.size());
    for (const auto& child : m_children)
        out.push_back(child.get());
    return out;
}

CXmlNode* CXmlNode::findChild(const std::string& name) const
{
    for (const auto& child : m_children)
        if (child->m_name == name)
            return child.get();
    return nullptr;
}

CXmlNode* CXmlNode::addChild(std::unique_ptr<CXmlNode> node)
{
    m_children.push_back(std::move(node));
    return m_children.back().get();
}

CXmlNode* CXmlNode::addChild(const std::string& name)
{
    auto node = std::make_unique<CXmlNode>();
    node->m_name = name;
    return addChild(std::move(node));
}

CXmlNode* CXmlNode::addChildCopy(const CXmlNode& node)
{
    auto copy = std::make_unique<CXmlNode>();
    copy->copyFrom(node);
    return addChild(std::move(copy));
}

} // namespace Xml
