// The XML reader on arbitrary bytes: it may throw CXmlException, nothing else; whatever it
// accepts must survive a write and a second parse unchanged.
#include "content/CXmlException.h"
#include "content/CXmlNode.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A length of 0 asks load() to open a file by name: not a document to fuzz.
    if (size == 0)
        return 0;
    Xml::CXmlNode node;
    try {
        node.load(reinterpret_cast<const char*>(data), size);
    } catch (const Xml::CXmlException&) {
        return 0;
    }
    node.getInt("a", 0);
    node.getFloat("b", 0.0f);

    // Only names made of name characters and values without quotes are promised to round-trip.
    const std::string text = node.toText();
    Xml::CXmlNode copy;
    copy.copyFrom(node);
    if (copy.toText() != text)
        std::abort();
    return 0;
}
