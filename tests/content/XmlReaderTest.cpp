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
                "<a k=\"v\" n=\"3\"><b x=\"1\"/>\n<e>hi</e></a>");
    EXPECT_EQ(root.getName(), "a");
    EXPECT_EQ(root.getText(), "");
    EXPECT_EQ(root.getString("k", "?"), "v");
    const auto children = root.getChildren();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0]->getName(), "b");
    EXPECT_EQ(children[0]->getInt("x", 0), 1);
    EXPECT_EQ(children[1]->getName(), "e");
    EXPECT_EQ(children[1]->getText(), "hi");
    EXPECT_EQ(root.findChild("e"), children[1]);
    EXPECT_EQ(root.findChild("E"), nullptr);
}

TEST(XmlReader, TextKeepsSpaceUnlessItIsOnlySpace)
{
    CXmlNode node;
    parse(node, "<a> \n\t </a>");
    EXPECT_EQ(node.getText(), "");
    parse(node, "<a> x </a>");
    EXPECT_EQ(node.getText(), " x ");
    // Segments around children are joined as they are.
    parse(node, "<a>x<b/> y</a>");
    EXPECT_EQ(node.getText(), "x y");
}

TEST(XmlReader, AttributeValuesAreRawAndLaterRepeatsWin)
{
    CXmlNode node;
    parse(node, "<a v=\"x &amp; 'y'\nz\" r=\"1\" r=\"2\"/>");
    EXPECT_EQ(node.getString("v", ""), "x &amp; 'y'\nz");
    EXPECT_EQ(node.getInt("r", 0), 2);
    EXPECT_EQ(node.attributes().size(), 2u);
}

TEST(XmlReader, CommentsAndDeclarationsBetweenChildren)
{
    CXmlNode node;
    parse(node, "<a><!-- one --><b/><?pi x?><c/></a>");
    ASSERT_EQ(node.childCount(), 2u);
    EXPECT_EQ(node.getChildren()[1]->getName(), "c");
    // Text right after a comment is not allowed.
    EXPECT_EQ(errorOf("<a>hi<!-- c -->there</a>"), "Unexpected error");
}

TEST(XmlReader, EveryErrorMessage)
{
    EXPECT_EQ(errorOf("<a></b>"), "Open and close tags didn't match");
    EXPECT_EQ(errorOf("<a"), "Unexpected end of file");
    EXPECT_EQ(errorOf("<a x=1/>"), "Expected \"");
    EXPECT_EQ(errorOf("<a x='1'/>"), "Expected \"");
    EXPECT_EQ(errorOf("<a x/>"), "Expected =");
    EXPECT_EQ(errorOf("<a %>"), "Unexpected char");
    EXPECT_EQ(errorOf("hello"), "Expected <");
    EXPECT_EQ(errorOf("<a><!-- never closed"), "Unexpected end of file");
    EXPECT_EQ(errorOf("<!-- never closed"), "Unexpected end of file");
    EXPECT_EQ(errorOf("<a><!--x--"), "Ends of comment not found");
    EXPECT_EQ(errorOf("<?xml ?"), "Ends of comment not found");
    EXPECT_EQ(errorOf("<a>text"), "Unexpected end of file");
    EXPECT_EQ(errorOf("<a x=\"1"), "Unexpected end of file");

    CXmlNode node;
    EXPECT_THROW(node.loadFile("/nonexistent/skyvane.xml"), CXmlException);
    try {
        node.loadFile("/nonexistent/skyvane.xml");
    } catch (const CXmlException& e) {
        EXPECT_EQ(e.getMessage(), "Can't open file");
    }
}

TEST(XmlReader, TruncatedDocumentsAreNotAccepted)
{
    // Every proper prefix of a document that ends inside the root element is an error.
    const std::string doc = "<a x=\"1\"><b><c/></b>text<!-- c --><d y=\"2\">t</d></a>";
    for (std::size_t n = 1; n < doc.size(); ++n)
        EXPECT_NE(errorOf(doc.substr(0, n)), "") << "prefix of " << n << " bytes";
    EXPECT_EQ(errorOf(doc), "");
}

TEST(XmlReader, EmptyDocumentGivesEmptyNodeAndTrailingBytesAreIgnored)
{
    CXmlNode node;
    parse(node, "  \n ");
    EXPECT_EQ(node.getName(), "");
    parse(node, "<a/> trailing <junk");
    EXPECT_EQ(node.getName(), "a");
}

TEST(XmlReader, NestingIsBounded)
{
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
}

TEST(XmlReader, LoadClearsTheNodeAndKeepsWhatWasReadBeforeAnError)
{
    CXmlNode node;
    parse(node, "<old a=\"1\"><c/></old>");
    EXPECT_THROW(parse(node, "<new b=\"2\"><c/><d></new>"), CXmlException);
    EXPECT_EQ(node.getName(), "new");
    EXPECT_FALSE(node.hasAttribute("a"));
    EXPECT_EQ(node.getInt("b", 0), 2);
}

TEST(XmlReader, LoadsFilesWithTheirTerminator)
{
    TempDir dir;
    dir.write("doc.xml", "<root>\n\t<item v=\"7\"/>\n</root>\n");
    CXmlNode node;
    node.loadFile(dir.file("doc.xml"));
    ASSERT_NE(node.findChild("item"), nullptr);
    EXPECT_EQ(node.findChild("item")->getInt("v", 0), 7);
}

TEST(XmlReader, IntegerScanning)
{
    CXmlNode node;
    parse(node, "<a p=\"12abc\" q=\"abc\" e=\"\" s=\" -7\" plus=\"+5\" big=\"99999999999\" "
                "neg=\"-99999999999\" f=\"1.5x\" g=\"-.25\" h=\"x1\" i=\"3\"/>");
    EXPECT_EQ(node.getInt("p", -1), 12);
    EXPECT_EQ(node.getInt("q", -1), -1);
    EXPECT_EQ(node.getInt("e", -1), -1);
    EXPECT_EQ(node.getInt("s", -1), -7);
    EXPECT_EQ(node.getInt("plus", -1), 5);
    EXPECT_EQ(node.getInt("big", 0), 2147483647);
    EXPECT_EQ(node.getInt("neg", 0), -2147483647 - 1);
    EXPECT_EQ(node.getInt("missing", 42), 42);
    EXPECT_FLOAT_EQ(node.getFloat("f", 0), 1.5f);
    EXPECT_FLOAT_EQ(node.getFloat("g", 0), -0.25f);
    EXPECT_FLOAT_EQ(node.getFloat("h", 9), 9.0f);
    EXPECT_FLOAT_EQ(node.getFloat("i", 0), 3.0f);
    EXPECT_EQ(node.getInt("f", 0), 1);
}

TEST(XmlReader, CloseTagMayCarrySpaceBeforeItsName)
{
    CXmlNode node;
    parse(node, "<a><b></ b></a>");
    EXPECT_EQ(node.childCount(), 1u);
}

} // namespace
