#pragma once

#include "screens/Panel.h"

#include <string>

namespace NVolant {

// A question with OK and CANCEL, or a notice with OK alone. The result is the name of the button
// chosen; the owner hears every command.
class MessagePanel final : public Panel {
public:
    enum class Kind { Question, Notice };

    MessagePanel(const std::string& text, NControls::Control* owner, Kind kind = Kind::Question);

    void update(float dt) override;
    void draw() override;
    void onCommand(NControls::Control* sender) override;

    const std::string& text() const { return m_text; }
    bool isNotice() const { return m_cancel == nullptr; }
    NControls::Button* okButton() const { return m_ok; }
    // Null on a notice.
    NControls::Button* cancelButton() const { return m_cancel; }

private:
    std::string m_text;
    NControls::Button* m_ok = nullptr;
    NControls::Button* m_cancel = nullptr;
};

} // namespace NVolant
