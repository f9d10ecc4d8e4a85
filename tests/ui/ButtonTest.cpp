#include "ui/ArrowButton.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"

#include "WidgetFixture.h"

namespace {

using NControls::ArrowButton;
using NControls::Button;
using NControls::CheckBox;

class ButtonTest : public WidgetFixture {
protected:
    // "menu/ok_btn.png" is a 120 x 38 look: placed at (100, 200) its centre is (160, 219).
    Button* okButton()
    {
        auto* button = root.add(std::make_unique<Button>("OK", "menu\\ok_btn.png", &root));
        button->setPosition(100, 200);
        return button;
    }
};

// The sum of red, green and blue over a rectangle of a frame, to tell looks apart.
long brightness(const Frame& frame, int x, int y, int w, int h)
{
    long sum = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) {
            const Frame::Pixel p = frame.at(i, j);
            sum += p.r + p.g + p.b;
        }
    return sum;
}

} // namespace

TEST_F(ButtonTest, TakesItsSizeFromTheStripAndHitsStrictlyAroundItsCentre)
{
    Button* button = okButton();
    ASSERT_EQ(button->getWidth(), 120);
    ASSERT_EQ(button->getHeight(), 38);
    EXPECT_EQ(button->getCentre(), Vector4(160, 219, 0, 1));
    EXPECT_TRUE(button->hitTest(100.5f, 200.5f));
    EXPECT_FALSE(button->hitTest(100, 210));
    EXPECT_FALSE(button->hitTest(220, 210));
    EXPECT_FALSE(button->hitTest(150, 238));
    button->setHitSize(20, 10);
    EXPECT_FALSE(button->hitTest(105, 219));
    EXPECT_TRUE(button->hitTest(169, 223));
    EXPECT_FALSE(button->hitTest(170, 219));
}

TEST_F(ButtonTest, FiresOnAReleaseInsideWhereverThePressWas)
{
    Button* button = okButton();
    // Pressed outside, released inside: a click.
    press(50, 50);
    EXPECT_EQ(button->look(), 1.0f);
    release(160, 219);
    EXPECT_EQ(root.senders, std::vector<NControls::Control*>{button});
    EXPECT_EQ(button->look(), 1.0f);

    // Pressed inside, released outside: nothing.
    root.senders.clear();
    press(160, 219);
    EXPECT_EQ(button->look(), 2.0f);
    release(400, 400);
    EXPECT_TRUE(root.senders.empty());
    EXPECT_EQ(button->look(), 1.0f);

    move(161, 220);
    EXPECT_EQ(button->look(), 3.0f);
    move(10, 10);
    EXPECT_EQ(button->look(), 1.0f);

    button->setVisible(false);
    click(160, 219);
    EXPECT_TRUE(root.senders.empty());
}

TEST_F(ButtonTest, AnInactiveButtonNeverFiresAndShowsItsBottomFrame)
{
    Button* button = okButton();
    button->setActive(false);
    for (auto step : {0, 1, 2}) {
        (void)step;
        move(160, 219);
        EXPECT_EQ(button->look(), 0.0f);
        press(160, 219);
        EXPECT_EQ(button->look(), 0.0f);
        release(160, 219);
        EXPECT_EQ(button->look(), 0.0f);
    }
    EXPECT_TRUE(root.senders.empty());
    button->setActive(true);
    EXPECT_EQ(button->look(), 1.0f);
    click(160, 219);
    EXPECT_EQ(root.senders.size(), 1u);
}

TEST_F(ButtonTest, EachLookDrawsItsOwnFrameAndNothingOutside)
{
    Button* button = okButton();
    long looks[4];
    for (int look = 0; look < 4; ++look) {
        button->setLook(static_cast<float>(look));
        const Frame frame = render("ok_look" + std::to_string(look));
        looks[look] = brightness(frame, 100, 200, 120, 38);
        // Nothing strays outside the button's rectangle.
        const int grey = frame.at(0, 0).r;
        EXPECT_EQ(frame.at(99, 219).r, grey);
        EXPECT_EQ(frame.at(220, 219).r, grey);
        EXPECT_EQ(frame.at(160, 199).r, grey);
        EXPECT_EQ(frame.at(160, 238).r, grey);
    }
    // Under the pointer is the brightest look, inactive the dullest.
    EXPECT_GT(looks[3], looks[1]);
    EXPECT_LT(looks[0], looks[1]);
    EXPECT_NE(looks[2], looks[1]);
    button->setVisible(false);
    const Frame empty = render();
    EXPECT_EQ(empty.countNot(empty.at(0, 0).r, empty.at(0, 0).g, empty.at(0, 0).b), 0);
}

TEST_F(ButtonTest, AFlippedArrowDrawsUpsideDownAndFiresOnAClick)
{
    KGraphic* strip = nullptr;
    auto owner = std::make_unique<Button>("", "menu\\up_btn.png", nullptr);
    strip = owner->image();
    auto* up = root.add(std::make_unique<ArrowButton>(&root, strip));
    auto* down = root.add(std::make_unique<ArrowButton>(&root, strip));
    down->setFlipped(true);
    up->setPosition(300, 100);
    down->setPosition(300, 140);
    const Frame frame = render("arrows");
    const int size = up->getWidth();
    ASSERT_EQ(size, 20);
    // The same frame mirrored top to bottom.
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const Frame::Pixel a = frame.at(300 + x, 100 + y);
            const Frame::Pixel b = frame.at(300 + x, 140 + size - 1 - y);
            ASSERT_NEAR(a.r, b.r, 2) << x << "," << y;
        }

    click(310, 110);
    EXPECT_EQ(root.senders, (std::vector<NControls::Control*>{up}));
    root.releaseChildren();
}

TEST_F(ButtonTest, ACheckBoxTogglesOnReleaseToItsPlainLook)
{
    auto* box = root.add(std::make_unique<CheckBox>("SHOW_HINTS", "menu\\chb.png", &root));
    box->setCentre(53, 91);
    EXPECT_EQ(box->look(), 0.0f);
    EXPECT_FALSE(box->isChecked());

    // The press alone changes nothing.
    move(53, 91);
    EXPECT_EQ(box->look(), 1.0f);
    press(53, 91);
    EXPECT_EQ(box->look(), 1.0f);
    release(53, 91);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(box->look(), 2.0f);
    move(54, 91);
    EXPECT_EQ(box->look(), 3.0f);
    click(54, 91);
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(box->look(), 0.0f); // not 1, though the pointer stays on it
    move(53, 92);
    EXPECT_EQ(box->look(), 1.0f);
    move(200, 200);
    EXPECT_EQ(box->look(), 0.0f);
    EXPECT_EQ(root.senders.size(), 2u);

    box->setChecked(true);
    EXPECT_EQ(box->look(), 2.0f);
    box->setChecked(true);
    EXPECT_EQ(box->look(), 2.0f);
    box->setLook(1.0f);
    box->setChecked(true);
    EXPECT_EQ(box->look(), 3.0f);
    box->setChecked(false);
    EXPECT_EQ(box->look(), 1.0f);

    // An inactive box keeps its state and says nothing.
    box->setActive(false);
    click(53, 91);
    EXPECT_EQ(root.senders.size(), 2u);
    EXPECT_FALSE(box->isChecked());
}
