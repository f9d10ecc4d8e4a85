#include "pack/PackTool.h"

#include "content/Scramble.h"

#include "support/PackBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result runPack(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    PackTool tool(out, err);
    const int status = tool.run(args);
    return {status, out.str(), err.str()};
}

std::string scrambled(std::string text, const std::string& key)
{
    NLib::scrambleBuffer(reinterpret_cast<std::uint8_t*>(text.data()), text.size(), key);
    return text;
}

TEST(PackTool, CreateStoresSortedRelativeNamesScramblesMatchingGlobsAndRoundTrips)
{
    TempDir dir;
    std::string big; // longer than a 16-bit size
    for (int i = 0; i < 70000; ++i)
        big.push_back(static_cast<char>(i * 31));
    dir.write("tree/menu/font.png", std::string("PNG"));
    dir.write("tree/dat/boat/boat.xml", std::string("<boat/>"));
    dir.write("tree/a.xml", std::string("<a/>"));
    dir.write("tree/levels/01/empty.dat", std::string());
    dir.write("tree/z/big.bin", big);
    const Result made = runPack({"create", dir.file("tree"), dir.file("out.pk"), "--scramble", "*.xml",
                                 "--scramble", "*.bin", "--password", "secret"});
    ASSERT_EQ(made.status, 0) << made.err;

    // Independently of the game's reader: the exact bytes of the entries.
    PackBytes expected(5);
    expected.entry("a.xml", scrambled("<a/>", "secret"), 'y')
        .entry("dat/boat/boat.xml", scrambled("<boat/>", "secret"), 'y')
        .entry("levels/01/empty.dat", "", 'n')
        .entry("menu/font.png", "PNG", 'n')
        .entry("z/big.bin", scrambled(big, "secret"), 'y');
    EXPECT_EQ(dir.read("out.pk"), std::string(expected.bytes.begin(), expected.bytes.end()));

    const Result list = runPack({"list", dir.file("out.pk")});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out,
              "4\ta.xml\n7\tdat/boat/boat.xml\n0\tlevels/01/empty.dat\n3\tmenu/font.png\n70000\tz/big.bin\n");

    ASSERT_EQ(runPack({"extract-all", dir.file("out.pk"), dir.file("out"), "--password", "secret"}).status,
              0);
    EXPECT_EQ(dir.read("out/z/big.bin"), big);
    EXPECT_EQ(dir.read("out/dat/boat/boat.xml"), "<boat/>");
}

TEST(PackTool, ExtractFindsNamesAsTheGameDoes)
{
    TempDir dir;
    // A pack as another program might write it: upper-case names, a repeated name, an empty
    // entry, scrambled and plain entries, a custom password.
    PackBytes pack(5);
    pack.entry("Dat/Plane.XML", scrambled("<plane/>", "pw"), 'y')
        .entry("dup.txt", "old")
        .entry("DUP.txt", "new")
        .entry("empty", "")
        .entry("sub\\hidden.txt", "unreachable");
    dir.write("other.pk", pack.bytes);

    Result r = runPack({"extract", dir.file("other.pk"), "DAT\\plane.xml", "--password", "pw"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "<plane/>");
    EXPECT_EQ(runPack({"extract", dir.file("other.pk"), "dup.txt"}).out, "new");
    r = runPack({"extract", dir.file("other.pk"), "empty"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(runPack({"extract", dir.file("other.pk"), "missing"}).status, 1);
    EXPECT_EQ(runPack({"extract", dir.file("other.pk"), "sub/hidden.txt"}).status, 1);

    r = runPack({"extract-all", dir.file("other.pk"), dir.file("out"), "--password", "pw"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(dir.read("out/dat/plane.xml"), "<plane/>");
    EXPECT_EQ(dir.read("out/dup.txt"), "new");
}

TEST(PackTool, RefusesBadInputClearly)
{
    TempDir dir;
    EXPECT_EQ(runPack({}).status, 2);
    EXPECT_EQ(runPack({"frobnicate"}).status, 2);
    EXPECT_EQ(runPack({"create", dir.file("in")}).status, 2);
    EXPECT_EQ(runPack({"create", dir.file("nope"), dir.file("p.pk")}).status, 1);
    EXPECT_EQ(runPack({"list", dir.file("nope.pk")}).status, 1);
    EXPECT_EQ(runPack({"create", dir.path(), dir.file("p.pk"), "--password"}).status, 2);

    // Names that would escape the target folder are not written.
    dir.write("evil.pk", PackBytes(2).entry("../escaped.txt", "x").entry("/abs.txt", "y").bytes);
    const Result r = runPack({"extract-all", dir.file("evil.pk"), dir.file("out")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(dir.read("escaped.txt"), "");
}

} // namespace
