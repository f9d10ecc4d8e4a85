#pragma once

#include "score/TopTenEntry.h"
#include "ui/Button.h"
#include "ui/Control.h"

#include <memory>
#include <vector>

class KGraphic;

namespace NVolant {

// The ten best scores of all profiles, the current profile's rows highlighted. Taken once when the
// panel opens; closing it leaves "MAIN_MENU".
class Top10Panel final : public NControls::Control {
public:
    Top10Panel();
    ~Top10Panel() override;

    void draw() override;
    void onCommand(NControls::Control* sender) override;

    const std::vector<TopTenEntry>& entries() const { return m_entries; }
    NControls::Button* closeButton() const { return m_close; }

private:
    std::unique_ptr<KGraphic> m_background;
    std::unique_ptr<KGraphic> m_title;
    NControls::Button* m_close = nullptr;
    std::vector<TopTenEntry> m_entries;
};

} // namespace NVolant
