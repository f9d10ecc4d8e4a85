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

    // One pointer action, then the look it leaves and how many commands the root has heard.
    struct Step {
        char action; // 'm'ove, 'p'ress, 'r'elease
        int x, y;
        float look;
        std::size_t fired;
    };
    void play(const Button& button, std::initializer_list<Step> steps)
    {
        for (const Step& s : steps) {
            if (s.action == 'm')
                move(s.x, s.y);
            else if (s.action == 'p')
                press(s.x, s.y);
            else
                release(s.x, s.y);
            EXPECT_EQ(button.look(), s.look) << s.action << " at " << s.x << "," << s.y;
            EXPECT_EQ(root.senders.size(), s.fired) << s.action << " at " << s.x << "," << s.y;
        }
    }
};

// The sum of red, green and blue over the OK button's rectangle, to tell looks apart.
long brightness(const Frame& frame)
{
    long sum = 0;
    for (int y = 200; y < 238; ++y)
        for (int x = 100; x < 220; ++x)
            sum += frame.at(x, y).r + frame.at(x, y).g + frame.at(x, y).b;
    return sum;
}

} // namespace

TEST_F(ButtonTest, TakesItsSizeFromTheStripAndHitsStrictlyAroundItsCentre)
{
    Button* button = okButton();
    ASSERT_EQ(button->getWidth(), 120);
    ASSERT_EQ(button->getHeight(), 38);
    EXPECT_TRUE(button->hitTest(100.5f, 200.5f));
    EXPECT_FALSE(button->hitTest(100, 210));
    EXPECT_FALSE(button->hitTest(220, 210));
    EXPECT_FALSE(button->hitTest(150, 238));
    button->setHitSize(20, 10);
    EXPECT_FALSE(button->hitTest(105, 219));
    EXPECT_TRUE(button->hitTest(169, 223));
    EXPECT_FALSE(button->hitTest(170, 219));
}

TEST_F(ButtonTest, FiresOnAReleaseInsideWhereverThePressWasAndNeverWhenInactiveOrHidden)
{
    Button* button = okButton();
    play(*button, {{'p', 50, 50, 1, 0},
                   {'r', 160, 219, 1, 1}, // pressed outside, released inside: a click
                   {'p', 160, 219, 2, 1},
                   {'r', 400, 400, 1, 1}, // pressed inside, released outside: nothing
                   {'m', 161, 220, 3, 1},
                   {'m', 10, 10, 1, 1}});
    button->setActive(false);
    EXPECT_EQ(button->look(), 0.0f);
    play(*button, {{'m', 160, 219, 0, 1}, {'p', 160, 219, 0, 1}, {'r', 160, 219, 0, 1}});
    button->setActive(true);
    EXPECT_EQ(button->look(), 1.0f);
    button->setVisible(false);
    click(160, 219);
    EXPECT_EQ(root.senders, std::vector<NControls::Control*>{button});
}

TEST_F(ButtonTest, EachLookDrawsItsOwnFrameAndNothingOutside)
{
    Button* button = okButton();
    long looks[4];
    auto draw = [&](int look) {
        ASSERT_EQ(button->look(), static_cast<float>(look));
        const Frame frame = render("ok_look" + std::to_string(look));
        looks[look] = brightness(frame);
        const int grey = frame.at(0, 0).r;
        for (auto [x, y] : {std::pair{99, 219}, {220, 219}, {160, 199}, {160, 238}})
            EXPECT_EQ(frame.at(x, y).r, grey) << "look " << look << " strays to " << x << "," << y;
    };
    move(10, 10);
    draw(1);
    move(161, 220);
    draw(3);
    press(160, 219);
    draw(2);
    release(400, 400);
    button->setActive(false);
    draw(0);
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
    auto owner = std::make_unique<Button>("", "menu\\up_btn.png", nullptr);
    auto* up = root.add(std::make_unique<ArrowButton>(&root, owner->image()));
    auto* down = root.add(std::make_unique<ArrowButton>(&root, owner->image()));
    down->setFlipped(true);
    up->setPosition(300, 100);
    down->setPosition(300, 140);
    const Frame frame = render("arrows");
    const int size = up->getWidth();
    ASSERT_EQ(size, 20);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            ASSERT_NEAR(frame.at(300 + x, 100 + y).r, frame.at(300 + x, 140 + size - 1 - y).r, 2)
                << x << "," << y;

    click(310, 110);
    EXPECT_EQ(root.senders, (std::vector<NControls::Control*>{up}));
    root.releaseChildren();
}

TEST_F(ButtonTest, ACheckBoxTogglesOnReleaseToItsPlainLook)
{
    auto* box = root.add(std::make_unique<CheckBox>("SHOW_HINTS", "menu\\chb.png", &root));
    box->setCentre(53, 91);
    EXPECT_EQ(box->look(), 0.0f);
    // The press alone changes nothing; the release goes to the plain look even under the pointer.
    play(*box, {{'m', 53, 91, 1, 0},
                {'p', 53, 91, 1, 0},
                {'r', 53, 91, 2, 1},
                {'m', 54, 91, 3, 1},
                {'p', 54, 91, 3, 1},
                {'r', 54, 91, 0, 2},
                {'m', 53, 92, 1, 2},
                {'m', 200, 200, 0, 2}});
    EXPECT_FALSE(box->isChecked());

    // Setting the state keeps the pointer's highlight: 0 <-> 2 away from it, 1 <-> 3 under it.
    box->setChecked(true);
    EXPECT_EQ(box->look(), 2.0f);
    EXPECT_TRUE(box->isChecked());
    box->setChecked(true);
    EXPECT_EQ(box->look(), 2.0f);
    box->setChecked(false);
    move(53, 91);
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
