#pragma once

#include "ui/Control.h"
#include "ui/ScrollBar.h"

#include <memory>
#include <string>
#include <vector>

class KGraphic;

namespace NLib {
class BitmapText;
}

namespace NControls {

// A vertical list of text lines, one selectable, with a scroll bar named "VERTICAL" down its
// right side once there are more lines than fit. A release on a row selects it; a release between
// rows clears the selection. Either way the parent hears it.
class ListBox final : public Control {
public:
    ListBox(const std::string& name, const std::string& arrowImagePath, const NLib::BitmapText* font,
            Control* parent);
    ~ListBox() override;

    void releaseChildren() override;
    void draw() override;
    // The list's rectangle or anything of its scroll bar.
    bool hitTest(float x, float y) override;
    bool onLeftUp(float x, float y) override;
    void onCommand(Control* sender) override;
    // The scroll bar follows along the right edge, full height.
    void setSize(int width, int height) override;

    void addItem(const std::string& text);
    // Empties the list; the selection index stays as it was.
    void clear();
    void setSelected(int index) { m_selected = index; }
    int getSelected() const { return m_selected; }
    // Empty when nothing (or nothing that exists) is selected.
    std::string getSelectedText() const;
    const std::vector<std::string>& items() const { return m_items; }
    float rowHeight() const { return m_fontSize + 2.0f; }
    int visibleRows() const;

private:
    int scrollBarWidth() const { return m_scrollBar ? m_scrollBar->getWidth() : 0; }

    Control* m_parent = nullptr;
    ScrollBar* m_scrollBar = nullptr;
    const NLib::BitmapText* m_font = nullptr;
    std::unique_ptr<KGraphic> m_arrowImage;
    std::vector<std::string> m_items;
    float m_fontSize = 16.0f;
    int m_firstVisible = 0;
    int m_selected = -1;
};

} // namespace NControls
