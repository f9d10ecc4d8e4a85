#pragma once

#include "screens/CreateProfile.h"
#include "screens/MessagePanel.h"
#include "screens/Panel.h"
#include "ui/ListBox.h"

#include <memory>
#include <string>

namespace NVolant {

// Choosing, creating and deleting profiles: the list of names under "Create a new user", with OK,
// CANCEL and DELETE. Creating and the delete question open on top of it and take all input while
// open, the list darkening under them. Done leaves "MAIN_MENU".
class ChangeProfile final : public Panel {
public:
    static constexpr const char* kCreateEntry = "Create a new user";

    explicit ChangeProfile(NControls::Control* parent);
    ~ChangeProfile() override;

    void update(float dt) override;
    void draw() override;
    bool onLeftDown(float x, float y) override;
    bool onLeftUp(float x, float y) override;
    bool onRightDown(float x, float y) override;
    bool onRightUp(float x, float y) override;
    bool onMouseMove(float x, float y) override;
    void onCommand(NControls::Control* sender) override;

    NControls::ListBox* list() const { return m_list; }
    NControls::Button* okButton() const { return m_ok; }
    NControls::Button* cancelButton() const { return m_cancel; }
    NControls::Button* deleteButton() const { return m_delete; }
    CreateProfile* createPanel() const { return m_create.get(); }
    MessagePanel* confirmPanel() const { return m_confirm.get(); }
    float overlayAlpha() const { return m_overlay[3]; }

private:
    void fillList();
    void rememberCurrent();
    // The current profile is no longer the one this panel opened with.
    bool currentChanged() const;
    // The open sub-panel that takes all input, if any.
    NControls::Control* modal() const;

    NControls::Button* m_ok = nullptr;
    NControls::Button* m_cancel = nullptr;
    NControls::Button* m_delete = nullptr;
    NControls::ListBox* m_list = nullptr;
    std::unique_ptr<CreateProfile> m_create;
    std::unique_ptr<MessagePanel> m_confirm;
    float m_overlay[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    // Remembered by name: a deleted profile's place in the list is taken by the next one.
    bool m_hadProfile = false;
    std::string m_rememberedName;
};

} // namespace NVolant
