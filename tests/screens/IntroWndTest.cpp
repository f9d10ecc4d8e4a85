#include "screens/IntroWnd.h"

#include "ScreenFixture.h"

namespace {

using NVolant::IntroWnd;

class IntroWndTest : public ScreenFixture {};

} // namespace

TEST_F(IntroWndTest, UncoversThenCrossFadesToTheMenusPicture)
{
    IntroWnd intro;
    screen = &intro;
    EXPECT_EQ(intro.fade(), 1.0f);
    EXPECT_EQ(intro.state(), IntroWnd::Uncovering);
    // Covered: black.
    EXPECT_EQ(render("intro_covered").countNot(0, 0, 0, 2), 0);

    for (int i = 0; i < 100 && intro.fade() > 0.0f; ++i)
        frames(1);
    EXPECT_EQ(intro.state(), IntroWnd::Idle);
    const Frame uncovered = render("intro_uncovered");
    EXPECT_GT(uncovered.countNot(0, 0, 0, 8), 400000);

    intro.startCrossFade();
    for (int i = 0; i < 200 && intro.fade() < 1.0f; ++i)
        frames(1);
    EXPECT_EQ(intro.fade(), 1.0f);
    EXPECT_EQ(intro.state(), IntroWnd::CrossFading);
    // Fully faded the menu's picture stands alone: it differs from the intro picture.
    EXPECT_GT(differences(render("intro_crossfaded"), uncovered, 0, 0, 800, 600), 100000);
}
