#include "ui/ProgressBar.h"
#include "ui/ScrollBar.h"

#include "WidgetFixture.h"

namespace {

using NControls::ProgressBar;
using NControls::ScrollBar;

class SliderTest : public WidgetFixture {
protected:
    // A 0..100 slider 200 wide with its left end at (300, 100); the thumb strip is 26 high.
    ProgressBar* slider()
    {
        auto* bar = root.add(std::make_unique<ProgressBar>("MUSIC", "menu\\bar_btn.png", &root));
        bar->setSize(200, bar->getHeight());
        bar->setPosition(300, 100);
        bar->setRange(0, 100);
        return bar;
    }
    int thumbX(ProgressBar& bar) { return static_cast<int>(bar.thumb().getCentre().x); }
};

} // namespace

TEST_F(SliderTest, TheThumbFollowsTheValue)
{
    auto* bar = root.add(std::make_unique<ProgressBar>("SOUND", "menu\\bar_btn.png", &root));
    bar->setSize(178, bar->getHeight());
    bar->setRange(0, 100);
    bar->setValue(150);
    EXPECT_EQ(bar->getValue(), 100);
    EXPECT_EQ(thumbX(*bar), 178);
    bar->setValue(-3);
    EXPECT_EQ(bar->getValue(), 0);
    bar->setValue(33);
    EXPECT_EQ(thumbX(*bar), 33 * 178 / 100); // truncated
    // A new width moves the thumb, not the value.
    bar->setSize(100, bar->getHeight());
    EXPECT_EQ(bar->getValue(), 33);
    EXPECT_EQ(thumbX(*bar), 33);
}

TEST_F(SliderTest, DraggingReportsEveryChangeRoundsHalvesToEvenAndStopsAtBothEnds)
{
    ProgressBar* bar = slider();
    bar->setValue(50);
    const int y = 100 + bar->getHeight() / 2;
    press(300 + thumbX(*bar), y);
    EXPECT_EQ(bar->thumb().look(), 2.0f);

    move(300 + 101, y); // 50.5 rounds to even
    EXPECT_EQ(bar->getValue(), 50);
    EXPECT_EQ(thumbX(*bar), 101);
    EXPECT_TRUE(root.senders.empty()); // no change, no report
    move(300 + 103, y);                // 51.5
    EXPECT_EQ(bar->getValue(), 52);
    ASSERT_EQ(root.senders.size(), 1u);
    EXPECT_EQ(root.senders[0], bar);

    // Far past the left end, then far past the right end, also off the bar vertically.
    move(10, 400);
    EXPECT_EQ(bar->getValue(), 0);
    EXPECT_EQ(thumbX(*bar), 0);
    move(790, 5);
    EXPECT_EQ(bar->getValue(), 100);
    EXPECT_EQ(thumbX(*bar), 200);
    EXPECT_EQ(root.senders.size(), 3u);

    // The release snaps the thumb to the value and reports once more.
    move(300 + 101, y);
    EXPECT_EQ(thumbX(*bar), 101);
    release(300 + 101, y);
    EXPECT_EQ(bar->getValue(), 50);
    EXPECT_EQ(thumbX(*bar), 100);
    // The thumb's own click comes after the bar's report, with the thumb as sender.
    ASSERT_GE(root.senders.size(), 5u);
    EXPECT_EQ(root.senders[root.senders.size() - 2], bar);
    EXPECT_EQ(root.senders.back(), &bar->thumb());

    // Moves without a press only light the thumb, and a press on the track beside it does not drag.
    root.senders.clear();
    move(300 + 150, y);
    press(300 + 150, y);
    move(300 + 180, 110);
    release(300 + 180, 110);
    EXPECT_EQ(bar->getValue(), 50);
    EXPECT_TRUE(root.senders.empty());

    // Drawn, the thumb is centred on the value; the track stays the panel's.
    bar->setValue(100);
    const Frame frame = render("slider");
    const int grey = frame.at(0, 0).r;
    EXPECT_NE(frame.at(500, 113).r, grey);
    EXPECT_EQ(frame.at(500 - bar->thumb().getWidth() / 2 - 2, 113).r, grey);
    EXPECT_EQ(frame.at(350, 113).r, grey);
}

TEST_F(SliderTest, TheScrollBarStepsWithinItsRange)
{
    auto* bar = root.add(std::make_unique<ScrollBar>("VERTICAL", "menu\\up_btn.png", &root));
    bar->setPosition(400, 100); // 20 x 200: the arrows at y 100..120 and 280..300
    bar->setRange(0, 2);

    // The second arrow sits at the bottom end.
    for (int i = 0; i < 4; ++i)
        click(410, 290);
    EXPECT_EQ(bar->getValue(), 2);
    EXPECT_EQ(root.senders.size(), 8u); // each press reports, each arrow click too
    click(410, 110);
    EXPECT_EQ(bar->getValue(), 1);
    for (int i = 0; i < 3; ++i)
        click(410, 110);
    EXPECT_EQ(bar->getValue(), 0);

    // Between the arrows nothing steps.
    root.senders.clear();
    click(410, 200);
    EXPECT_EQ(bar->getValue(), 0);
    EXPECT_TRUE(root.senders.empty());

    const Frame frame = render("scrollbar");
    const int grey = frame.at(0, 0).r;
    EXPECT_NE(frame.at(410, 110).r, grey);
    EXPECT_NE(frame.at(410, 290).r, grey);
    EXPECT_EQ(frame.at(410, 200).r, grey);
}
