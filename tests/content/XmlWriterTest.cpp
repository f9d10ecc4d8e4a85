#include "content/CXmlNode.h"

#include <gtest/gtest.h>

#include <memory>

using Xml::CXmlNode;

namespace {

TEST(XmlWriter, AttributesInNameOrderChildrenTabIndentedAndTextWinsOverChildren)
{
    CXmlNode root;
    root.setName("root");
    CXmlNode* list = root.addChild("list");
    list->addChild("item")->setString("name", "first");
    CXmlNode* second = list->addChild("item");
    second->setUnsigned("size", 4000000000u);
    second->setInt("b", 2);
    root.addChild("note")->setText("hello world");
    EXPECT_EQ(root.toText(), "<root>\n"
                             "\t<list>\n"
                             "\t\t<item name=\"first\">\n\t\t</item>\n"
                             "\t\t<item b=\"2\" size=\"4000000000\">\n\t\t</item>\n"
                             "\t</list>\n"
                             "\t<note>hello world</note>\n"
                             "</root>\n");

    CXmlNode both;
    both.setName("x");
    both.setText("t");
    both.addChild("hidden");
    EXPECT_EQ(both.toText(), "<x>t</x>\n");

    std::string appended = "prefix";
    both.toText(appended);
    EXPECT_EQ(appended, "prefix<x>t</x>\n");
}

TEST(XmlWriter, WrittenTreesReadBackTheSame)
{
    CXmlNode root;
    root.setName("save");
    root.setInt("negative", -12);
    root.setFloat("ratio", 0.1f);
    root.setString("line", "two\nlines and <angles> & 'quotes'");
    CXmlNode* profile = root.addChild("profile");
    profile->setText("  spaced  ");
    for (int i = 0; i < 5; ++i)
        profile->addChild("score")->setInt("v", i * 1000);
    root.addChild("empty");

    const std::string text = root.toText();
    CXmlNode back;
    back.load(text.data(), text.size());
    EXPECT_EQ(back.toText(), text);
    EXPECT_EQ(back.getInt("negative", 0), -12);
    EXPECT_EQ(back.getFloat("ratio", 0), 0.1f);
    EXPECT_EQ(back.getString("line", ""), "two\nlines and <angles> & 'quotes'");
}

TEST(XmlWriter, CopiesAreDeepAndIndependent)
{
    CXmlNode original;
    original.setName("a");
    original.addChild("b")->addChild("c")->setInt("v", 1);

    CXmlNode copy;
    copy.copyFrom(original);
    original.findChild("b")->findChild("c")->setInt("v", 2);
    original.addChild("d");
    EXPECT_EQ(copy.findChild("b")->findChild("c")->getInt("v", 0), 1);
    EXPECT_EQ(copy.childCount(), 1u);

    // Copying a node from its own subtree must not read freed memory.
    CXmlNode* b = copy.findChild("b");
    copy.copyFrom(*b);
    EXPECT_EQ(copy.getName(), "b");
    ASSERT_NE(copy.findChild("c"), nullptr);

    CXmlNode holder;
    holder.setName("h");
    holder.addChildCopy(copy);
    holder.addChild(std::make_unique<CXmlNode>());
    EXPECT_EQ(holder.childCount(), 2u);
    holder.clear();
    EXPECT_EQ(holder.childCount(), 0u);
    EXPECT_EQ(holder.getName(), "");
}

} // namespace
