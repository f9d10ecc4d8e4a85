#include "content/CXmlException.h"
#include "content/CXmlNode.h"
#include "content/PackWriter.h"
#include "content/ResourceArchive.h"
#include "content/Scramble.h"
#include "content/XmlArchive.h"

#include "support/PackBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

using NLib::ResourceArchive;

namespace {

std::string str(const NLib::ByteBuffer& b)
{
    return std::string(b.begin(), b.end());
}

class ResourceArchiveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        archive.setPassword(ResourceArchive::kGamePassword);
        archive.setLooseFolder(dir.path() + "/loose");
    }

    bool openPack(const std::vector<std::uint8_t>& bytes)
    {
        dir.write("data.pk", bytes);
        return archive.open(dir.file("data.pk"));
    }

    TempDir dir;
    ResourceArchive archive;
};

TEST_F(ResourceArchiveTest, NamesAreFoundCaseInsensitivelyAndLooseFilesFillInWhatThePackLacks)
{
    dir.write("loose/levels/01/enemies.dat", "disk");
    dir.write("loose/menu/font.png", "disk font");
    ASSERT_TRUE(openPack(PackBytes(6)
                             .entry("Dat/Boat01/Boat01.xml", "<boat/>")
                             .entry("dir\\x.txt", "x")
                             .entry("x", "first")
                             .entry("empty", "")
                             .entry("X", "second")
                             .entry("menu/font.png", "pack font")
                             .bytes));
    const std::pair<const char*, const char*> reads[] = {
        {"dat/boat01/boat01.xml", "<boat/>"},
        {"DAT\\BOAT01\\BOAT01.XML", "<boat/>"},
        {"dir\\x.txt", ""}, // a name stored with a backslash can never be asked for
        {"dir/x.txt", ""},
        {"x", "second"}, // the later entry of a repeated name wins
        {"Levels\\01\\Enemies.dat", "disk"},
        {"menu/font.png", "pack font"},
        {"nowhere.png", ""},
    };
    for (const auto& [name, content] : reads)
        EXPECT_EQ(str(archive.readFile(name)), content) << name;
    EXPECT_TRUE(archive.contains("empty"));
    EXPECT_TRUE(archive.readFile("empty").empty());
    EXPECT_EQ(archive.entryCount(), 5u);
}

TEST_F(ResourceArchiveTest, ScrambledEntriesAreUnscrambledWithThePasswordAndXmlLoadsThroughThem)
{
    NLib::PackWriter writer(ResourceArchive::kGamePassword);
    const std::string doc = "<sprite frames=\"4\"><group/></sprite>";
    writer.add("dat/sprite.xml", {doc.begin(), doc.end()}, true);
    writer.add("b.bin", {1, 2, 3}, false);
    ASSERT_TRUE(openPack(writer.bytes()));
    EXPECT_EQ(str(archive.readFile("dat/sprite.xml")), doc);
    EXPECT_EQ(archive.readFile("b.bin"), (NLib::ByteBuffer{1, 2, 3}));

    Xml::CXmlNode node;
    Xml::loadFromArchive(archive, "DAT/Sprite.xml", node);
    EXPECT_EQ(node.getInt("frames", 0), 4);
    EXPECT_NE(node.findChild("group"), nullptr);
    try {
        Xml::loadFromArchive(archive, "dat/missing.xml", node);
        FAIL() << "a missing content file must throw";
    } catch (const Xml::CXmlException& e) {
        EXPECT_EQ(e.getMessage(), "Can't open file");
    }

    archive.setPassword("wrong");
    EXPECT_NE(str(archive.readFile("dat/sprite.xml")), doc);
}

TEST_F(ResourceArchiveTest, EmptyMissingAndForeignPacks)
{
    dir.write("loose/a.txt", "loose a");
    EXPECT_TRUE(openPack(PackBytes(0).bytes));
    EXPECT_EQ(str(archive.readFile("a.txt")), "loose a");

    ASSERT_TRUE(openPack(PackBytes(1).entry("b.txt", "packed b").bytes));
    // A failed open leaves the earlier table of contents in place.
    EXPECT_FALSE(archive.open(dir.file("missing.pk")));
    dir.write("foreign.pk", std::string("PK\3\4 not ours"));
    EXPECT_FALSE(archive.open(dir.file("foreign.pk")));
    dir.write("tiny.pk", std::string("L"));
    EXPECT_FALSE(archive.open(dir.file("tiny.pk")));
    EXPECT_EQ(str(archive.readFile("b.txt")), "packed b");
}

TEST_F(ResourceArchiveTest, TruncatedPacksKeepWhatCanBeRead)
{
    const std::vector<std::uint8_t> whole =
        PackBytes(3).entry("one", "11111").entry("two", "22222").entry("three", "33333").bytes;
    // Cut in the middle of the second entry's content: the first is whole, the second keeps the
    // part that is there, the third is gone.
    const std::size_t secondContent = 6 + (4 + 3 + 5 + 5) + (4 + 3 + 5);
    std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<long>(secondContent + 2));
    ASSERT_TRUE(openPack(cut));
    EXPECT_EQ(str(archive.readFile("one")), "11111");
    EXPECT_EQ(str(archive.readFile("two")), "22");
    EXPECT_FALSE(archive.contains("three"));

    // Every possible cut opens without trouble.
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        ResourceArchive fresh;
        dir.write("cut.pk", std::vector<std::uint8_t>(whole.begin(), whole.begin() + static_cast<long>(n)));
        EXPECT_EQ(fresh.open(dir.file("cut.pk")), n >= 2) << n;
        fresh.readFile("one");
        fresh.readFile("three");
    }
}

} // namespace
