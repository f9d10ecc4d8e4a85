#include "ui/Control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using NControls::Control;

// Records what reaches it, with the coordinates it was given.
class Probe final : public Control {
public:
    Probe(std::string tag, std::vector<std::string>& log) : m_tag(std::move(tag)), m_log(log) {}
    ~Probe() override { m_log.push_back("delete " + m_tag); }

    void update(float dt) override
    {
        m_log.push_back(m_tag + " update " + std::to_string(static_cast<int>(dt)));
        Control::update(dt);
    }
    void draw() override
    {
        m_log.push_back(m_tag + " draw at " + std::to_string(static_cast<int>(m_position.x)) + "," +
                        std::to_string(static_cast<int>(m_position.y)));
        Control::draw();
    }
    bool onLeftDown(float x, float y) override
    {
        const bool hit = Control::onLeftDown(x, y);
        m_log.push_back(m_tag + " left " + std::to_string(static_cast<int>(x)) + "," +
                        std::to_string(static_cast<int>(y)) + (hit ? " hit" : " miss"));
        return hit;
    }
    bool onMouseMove(float x, float y) override
    {
        m_log.push_back(m_tag + " move " + std::to_string(static_cast<int>(x)));
        return Control::onMouseMove(x, y);
    }

private:
    std::string m_tag;
    std::vector<std::string>& m_log;
};

std::unique_ptr<Probe> probe(const std::string& tag, std::vector<std::string>& log, int x, int y, int w,
                             int h)
{
    auto p = std::make_unique<Probe>(tag, log);
    p->setSize(w, h);
    p->setPosition(static_cast<float>(x), static_cast<float>(y));
    return p;
}

} // namespace

TEST(Control, HitTestIsStrictOnEveryEdgeAndTheCentreFollowsThePosition)
{
    Control c;
    c.setSize(10, 20);
    c.setPosition(5, 7);
    EXPECT_TRUE(c.hitTest(6, 8));
    EXPECT_TRUE(c.hitTest(14.9f, 26.9f));
    EXPECT_FALSE(c.hitTest(5, 8));
    EXPECT_FALSE(c.hitTest(6, 7));
    EXPECT_FALSE(c.hitTest(15, 8));
    EXPECT_FALSE(c.hitTest(6, 27));

    // Position and centre follow each other with integer halves.
    c.setSize(11, 7);
    c.setPosition(100, 50, 3);
    EXPECT_EQ(c.getCentre(), Vector4(105, 53, 3, 1));
    c.setCentre(200, 100);
    EXPECT_EQ(c.getPosition(), Vector4(195, 97, 0, 1));
    // A new size leaves the centre alone until the position is set again.
    c.setSize(41, 41);
    EXPECT_EQ(c.getCentre(), Vector4(200, 100, 0, 1));
    c.setPosition(0, 0);
    EXPECT_EQ(c.getCentre(), Vector4(20, 20, 0, 1));
}

TEST(Control, ChildrenDrawAtAbsolutePositionsAndAreDeletedInOrderUnlessRemoved)
{
    std::vector<std::string> log;
    {
        Control root;
        root.setPosition(100, 200);
        auto* panel = root.add(probe("panel", log, 10, 20, 300, 300));
        auto* button = panel->add(probe("button", log, 1, 2, 50, 20));
        root.draw();
        EXPECT_EQ(panel->getPosition(), Vector4(10, 20, 0, 1));
        EXPECT_EQ(button->getPosition(), Vector4(1, 2, 0, 1));
        EXPECT_EQ(button->getCentre(), Vector4(26, 12, 0, 1));
        root.update(16);
        // A removed child is handed back, not deleted; added again, it goes last, and a release
        // deletes depth first.
        std::unique_ptr<Control> taken = root.removeChild(panel);
        ASSERT_EQ(taken.get(), panel);
        EXPECT_TRUE(root.children().empty());
        EXPECT_EQ(root.removeChild(panel), nullptr);
        root.add(probe("other", log, 0, 0, 1, 1));
        root.addChild(std::move(taken));
        root.releaseChildren();
        EXPECT_TRUE(root.children().empty());
    }
    EXPECT_EQ(
        log, (std::vector<std::string>{"panel draw at 110,220", "button draw at 111,222", "panel update 16",
                                       "button update 16", "delete other", "delete button", "delete panel"}));
}

TEST(Control, MouseDispatchOffersThePointToEveryChildUnderIt)
{
    std::vector<std::string> log;
    Control root;
    root.setSize(800, 600);
    auto* panel = root.add(probe("panel", log, 100, 100, 200, 200));
    panel->add(probe("a", log, 10, 10, 50, 50));
    panel->add(probe("b", log, 30, 30, 50, 50)); // overlaps a
    panel->add(probe("c", log, 150, 150, 20, 20));

    EXPECT_TRUE(root.onLeftDown(140, 140));
    EXPECT_EQ(log, (std::vector<std::string>{"a left 40,40 hit", "b left 40,40 hit", "c left 40,40 miss",
                                             "panel left 140,140 hit"}));

    log.clear();
    EXPECT_FALSE(root.onLeftDown(0, 0)); // on the root's own edge
    EXPECT_TRUE(log.empty());

    // A hidden container neither reacts nor forwards; moves still reach every visible child.
    panel->setVisible(false);
    log.clear();
    EXPECT_TRUE(root.onLeftDown(140, 140));
    EXPECT_EQ(log, std::vector<std::string>{"panel left 140,140 miss"});
    log.clear();
    EXPECT_FALSE(panel->onMouseMove(140, 140));
    EXPECT_EQ(log, std::vector<std::string>{"panel move 140"}); // its children heard nothing
    log.clear();
    panel->setVisible(true);
    EXPECT_TRUE(root.onMouseMove(790, 590));
    EXPECT_EQ(log, (std::vector<std::string>{"panel move 790", "a move 690", "b move 690", "c move 690"}));
}
