#include "ui/ListBox.h"

#include "WidgetFixture.h"

#include <algorithm>

namespace {

using NControls::ListBox;

class ListBoxTest : public WidgetFixture {
protected:
    // 200 x 100 at (100, 100): five rows of 18 pixels; the scroll bar takes the right 20.
    ListBox* list(int items)
    {
        auto* box = root.add(std::make_unique<ListBox>("LIST", "menu\\up_btn.png", loadFont(), &root));
        box->setSize(200, 100);
        box->setPosition(100, 100);
        for (int i = 0; i < items; ++i)
            box->addItem("NAME" + std::to_string(i));
        return box;
    }
    // The middle of visible row r.
    static int rowY(int r) { return 100 + 18 * r + 9; }
};

} // namespace

TEST_F(ListBoxTest, FiveRowsFitAndTheBarScrollsOverTheRest)
{
    ListBox* box = list(3);
    EXPECT_EQ(box->visibleRows(), 5);
    click(290, 190); // everything shown: the down arrow at the bar's foot does nothing
    click(150, rowY(0));
    EXPECT_EQ(box->getSelected(), 0);
    for (int i = 3; i < 8; ++i)
        box->addItem("NAME" + std::to_string(i));

    // Down arrow three times and once more: rows 3 to 7 are shown.
    for (int i = 0; i < 4; ++i)
        click(290, 190);
    click(150, rowY(0));
    EXPECT_EQ(box->getSelected(), 3);
    EXPECT_EQ(box->getSelectedText(), "NAME3");
    // Arrow clicks do not touch the selection or tell the parent about the list.
    root.senders.clear();
    click(290, 110);
    EXPECT_EQ(box->getSelected(), 3);
    EXPECT_TRUE(std::find(root.senders.begin(), root.senders.end(), box) == root.senders.end());
    click(150, rowY(0));
    EXPECT_EQ(box->getSelected(), 2);
}

TEST_F(ListBoxTest, AReleaseSelectsTheRowUnderItOrClearsTheSelection)
{
    ListBox* box = list(4);
    click(150, rowY(2));
    EXPECT_EQ(box->getSelected(), 2);
    EXPECT_EQ(root.senders, std::vector<NControls::Control*>{box});

    // On a row's boundary line, under the last row, and at the left margin: no row.
    click(150, 100 + 18);
    EXPECT_EQ(box->getSelected(), -1);
    EXPECT_EQ(box->getSelectedText(), "");
    box->setSelected(1);
    click(150, rowY(4));
    EXPECT_EQ(box->getSelected(), -1);
    box->setSelected(1);
    click(102, rowY(1));
    EXPECT_EQ(box->getSelected(), -1);
    EXPECT_EQ(root.senders.size(), 4u); // the parent heard every one

    // Outside the list nothing happens.
    box->setSelected(1);
    click(50, rowY(1));
    EXPECT_EQ(box->getSelected(), 1);
    EXPECT_EQ(root.senders.size(), 4u);

    // An emptied list keeps the index but has no text for it.
    box->clear();
    EXPECT_EQ(box->getSelected(), 1);
    EXPECT_EQ(box->getSelectedText(), "");
}

TEST_F(ListBoxTest, TheSelectedRowIsWhiteWithAnOutlineTheOthersGrey)
{
    ListBox* box = list(3);
    box->setSelected(1);
    const Frame frame = render("listbox");
    // Row 1 (y 118 to 136) is white ink in a black outline; rows 0 and 2 grey ink (0.7) alone.
    int brightestSelected = 0, brightestOther = 0, darkSelected = 0, darkOther = 0;
    for (int y = 100; y < 154; ++y)
        for (int x = 100; x < 180; ++x) {
            const Frame::Pixel p = frame.at(x, y);
            const bool selectedRow = y >= 118 && y < 136;
            int& brightest = selectedRow ? brightestSelected : brightestOther;
            brightest = std::max(brightest, std::min({p.r, p.g, p.b}));
            if (p.r < 30)
                ++(selectedRow ? darkSelected : darkOther);
        }
    EXPECT_GE(brightestSelected, 240);
    EXPECT_NEAR(brightestOther, 178, 4);
    EXPECT_GT(darkSelected, 0);
    EXPECT_EQ(darkOther, 0);
    // Nothing is drawn past the last item.
    for (int x = 100; x < 180; ++x)
        EXPECT_EQ(frame.at(x, 150).r, frame.at(0, 0).r);
}
