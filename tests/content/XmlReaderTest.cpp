#include "content/CXmlException.h"
#include "content/CXmlNode.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

using Xml::CXmlException;
using Xml::CXmlNode;

namespace {

void parse(CXmlNode& node, const std::string& text)
{
    node.load(text.data(), text.size());
}

// The message a document is rejected with, or "" when it parses.
std::string errorOf(const std::string& text)
{
    CXmlNode node;
    try {
        parse(node, text);
    } catch (const CXmlException& e) {
        return e.getMessage();
    }
    return "";
}

TEST(XmlReader, ReadsElementsAttributesAndTextInDocumentOrder)
{
    CXmlNode root;
    parse(root, "<?xml version=\"1.0\"?>\n<!-- made by hand -->\n"
                "<a k=\"v\" n=\"3\"><b x=\"1\"/>\n<!-- one --><?pi x?><e>hi</ e></a> trailing <junk");
    EXPECT_EQ(root.getName(), "a");
    EXPECT_EQ(root.getText(), "");
    EXPECT_EQ(root.getString("k", "?"), "v");
    const auto children = root.getChildren();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0]->getName(), "b");
    EXPECT_EQ(children[0]->getInt("x", 0), 1);
    EXPECT_EQ(children[1]->getText(), "hi");
    EXPECT_EQ(root.findChild("e"), children[1]);
    EXPECT_EQ(root.findChild("E"), nullptr);

    // Text keeps its space unless it is only space; segments around children are joined.
    const std::pair<const char*, const char*> texts[] = {
        {"<a> \n\t </a>", ""}, {"<a> x </a>", " x "}, {"<a>x<b/> y</a>", "x y"}, {"  \n ", ""}};
    for (const auto& [doc, text] : texts) {
        parse(root, doc);
        EXPECT_EQ(root.getText(), text) << doc;
    }
    EXPECT_EQ(root.getName(), "") << "an empty document gives an empty node";

    // Attribute values are raw, and a repeated name keeps its later value.
    parse(root, "<a v=\"x &amp; 'y'\nz\" r=\"1\" r=\"2\"/>");
    EXPECT_EQ(root.getString("v", ""), "x &amp; 'y'\nz");
    EXPECT_EQ(root.getInt("r", 0), 2);
    EXPECT_EQ(root.attributes().size(), 2u);
}

TEST(XmlReader, EveryErrorMessage)
{
    const std::pair<std::string, const char*> cases[] = {
        {"<a></b>", "Open and close tags didn't match"},
        {"<a", "Unexpected end of file"},
        {"<a x=1/>", "Expected \""},
        {"<a x='1'/>", "Expected \""},
        {"<a x/>", "Expected ="},
        {"<a %>", "Unexpected char"},
        {"hello", "Expected <"},
        {"<a><!-- never closed", "Unexpected end of file"},
        {"<!-- never closed", "Unexpected end of file"},
        {"<a><!--x--", "Ends of comment not found"},
        {"<?xml ?", "Ends of comment not found"},
        {"<a>text", "Unexpected end of file"},
        {"<a x=\"1", "Unexpected end of file"},
        {"<a>hi<!-- c -->there</a>", "Unexpected error"}, // text right after a comment
    };
    for (const auto& [doc, message] : cases)
        EXPECT_EQ(errorOf(doc), message) << doc;

    // Nesting is bounded.
    auto nested = [](int depth) {
        std::string s;
        for (int i = 0; i < depth; ++i)
            s += "<n>";
        for (int i = 0; i < depth; ++i)
            s += "</n>";
        return s;
    };
    EXPECT_EQ(errorOf(nested(256)), "");
    EXPECT_EQ(errorOf(nested(257)), "Unexpected error");
    EXPECT_EQ(errorOf(nested(100000)), "Unexpected error");

    // Every proper prefix of a document that ends inside the root element is an error.
    const std::string doc = "<a x=\"1\"><b><c/></b>text<!-- c --><d y=\"2\">t</d></a>";
    for (std::size_t n = 1; n < doc.size(); ++n)
        EXPECT_NE(errorOf(doc.substr(0, n)), "") << "prefix of " << n << " bytes";

    CXmlNode node;
    try {
        node.loadFile("/nonexistent/skyvane.xml");
        ADD_FAILURE() << "a missing file must throw";
    } catch (const CXmlException& e) {
        EXPECT_EQ(e.getMessage(), "Can't open file");
    }
}

TEST(XmlReader, LoadClearsTheNodeAndKeepsWhatWasReadBeforeAnError)
{
    CXmlNode node;
    parse(node, "<old a=\"1\"><c/></old>");
    EXPECT_THROW(parse(node, "<new b=\"2\"><c/><d></new>"), CXmlException);
    EXPECT_EQ(node.getName(), "new");
    EXPECT_FALSE(node.hasAttribute("a"));
    EXPECT_EQ(node.getInt("b", 0), 2);

    TempDir dir;
    dir.write("doc.xml", "<root>\n\t<item v=\"7\"/>\n</root>\n");
    node.loadFile(dir.file("doc.xml"));
    ASSERT_NE(node.findChild("item"), nullptr);
    EXPECT_EQ(node.findChild("item")->getInt("v", 0), 7);
}

TEST(XmlReader, NumbersAreScannedFromTheStartOfTheValue)
{
    CXmlNode node;
    parse(node, "<a p=\"12abc\" q=\"abc\" e=\"\" s=\" -7\" plus=\"+5\" big=\"99999999999\" "
                "neg=\"-99999999999\" f=\"1.5x\" g=\"-.25\" h=\"x1\" i=\"3\"/>");
    const std::pair<const char*, int> ints[] = {{"p", 12},       {"q", -1},   {"e", -1},
                                                {"s", -7},       {"plus", 5}, {"big", 2147483647},
                                                {"missing", -1}, {"f", 1},    {"neg", -2147483647 - 1}};
    for (const auto& [name, value] : ints)
        EXPECT_EQ(node.getInt(name, -1), value) << name;
    const std::pair<const char*, float> floats[] = {{"f", 1.5f}, {"g", -0.25f}, {"h", 9.0f}, {"i", 3.0f}};
    for (const auto& [name, value] : floats)
        EXPECT_FLOAT_EQ(node.getFloat(name, 9.0f), value) << name;
}

} // namespace
