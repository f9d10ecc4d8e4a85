#include "content/Singleton.h"

#include <gtest/gtest.h>

namespace {

// Counts its lives, so the test sees exactly when the helper builds and deletes.
class Counted final : public NLib::Singleton<Counted> {
public:
    Counted() { ++built; }
    explicit Counted(int v) : value(v) { ++built; }
    ~Counted() { ++deleted; }

    int value = 0;
    static inline int built = 0;
    static inline int deleted = 0;
};

TEST(Singleton, CreatedOnFirstUseReplacedAndRebuiltAfterDestroy)
{
    EXPECT_EQ(Counted::existing(), nullptr);
    Counted* first = Counted::instance();
    EXPECT_EQ(Counted::instance(), first);
    Counted* second = Counted::create(7);
    EXPECT_EQ(Counted::deleted, 1); // the old one goes before the new one is built
    EXPECT_EQ(Counted::existing(), second);
    EXPECT_EQ(second->value, 7);
    Counted::destroy();
    Counted::destroy(); // harmless twice
    EXPECT_EQ(Counted::existing(), nullptr);
    EXPECT_EQ(Counted::instance()->value, 0);
    EXPECT_EQ(Counted::built, 3);
    EXPECT_EQ(Counted::deleted, 2);
    Counted::destroy();
}

} // namespace
