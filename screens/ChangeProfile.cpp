#include "screens/ChangeProfile.h"

#include "platform/KGraphic.h"
#include "platform/KPointer.h"
#include "score/Profiles.h"
#include "screens/ScreenHost.h"
#include "screens/ShadowText.h"

#include <algorithm>

namespace NVolant {

ChangeProfile::ChangeProfile(NControls::Control* parent) : Panel("menu\\bg_play_game.png", parent)
{
    const int w = m_width, h = m_height;
    m_ok = addButton("OK", "menu\\ok_btn.png");
    placeAt(*m_ok, static_cast<float>(w / 2 - m_ok->getWidth()) * 0.5f, static_cast<float>(h - 70));
    m_cancel = addButton("CANCEL", "menu\\cancel_btn.png");
    placeAt(*m_cancel,
            static_cast<float>(w / 2) + static_cast<float>(w / 2 - m_cancel->getWidth()) * 0.5f - 5,
            static_cast<float>(h - 70));
    m_delete = addButton("DELETE", "menu\\delete_btn.png");
    placeAt(*m_delete, static_cast<float>(w / 2) - static_cast<float>(m_delete->getWidth()) * 0.5f,
            static_cast<float>(h - 110));

    auto list = std::make_unique<NControls::ListBox>("LIST", "menu\\up_btn.png", menuFont(), this);
    list->setSize(w - 40, 200);
    placeAt(*list, static_cast<float>(w - list->getWidth()) * 0.5f, 50);
    m_list = add(std::move(list));

    fillList();
    rememberCurrent();
}

ChangeProfile::~ChangeProfile()
{
    m_create.reset();
    m_confirm.reset();
}

void ChangeProfile::rememberCurrent()
{
    const Profile* current = Profiles::instance()->currentProfile();
    m_hadProfile = current != nullptr;
    m_rememberedName = current ? current->name() : std::string();
}

bool ChangeProfile::currentChanged() const
{
    const Profile* current = Profiles::instance()->currentProfile();
    if (!current)
        return m_hadProfile;
    return !m_hadProfile || current->name() != m_rememberedName;
}

void ChangeProfile::fillList()
{
    Profiles* profiles = Profiles::instance();
    m_list->clear();
    m_list->addItem(kCreateEntry);
    const Profile* current = profiles->currentProfile();
    for (std::size_t i = 0; i < profiles->profileCount(); ++i) {
        const Profile* profile = profiles->profileAt(i);
        m_list->addItem(profile->name());
        if (profile == current)
            m_list->setSelected(static_cast<int>(i) + 1);
    }
    onCommand(m_list);
}

NControls::Control* ChangeProfile::modal() const
{
    if (m_create)
        return m_create.get();
    return m_confirm.get();
}

void ChangeProfile::onCommand(NControls::Control* sender)
{
    clearCommand();
    const int selected = m_list ? m_list->getSelected() : -1;
    ScreenHost* host = ScreenHost::instance();
    Profiles* profiles = Profiles::instance();
    if (sender == m_ok) {
        if (selected <= 0)
            return;
        const std::string name = m_list->getSelectedText();
        const Profile* chosen = profiles->findProfile(name);
        if (chosen && (!m_hadProfile || chosen->name() != m_rememberedName)) {
            if (host)
                host->discardGame();
            profiles->selectProfile(name);
            if (host)
                host->prepareContinue();
        }
        setCommand(NControls::ScreenCommand::MainMenu);
    } else if (sender == m_cancel) {
        setCommand(NControls::ScreenCommand::MainMenu);
        if (currentChanged() && host)
            host->prepareContinue();
    } else if (sender == m_list) {
        if (selected == 0) {
            m_create = std::make_unique<CreateProfile>(this);
            centreOn(*m_create, *this);
        }
        m_delete->setActive(selected >= 1);
    } else if (sender == m_delete) {
        if (selected < 0)
            return;
        m_confirm =
            std::make_unique<MessagePanel>("Do you realy want to delete\n        this profile?", this);
        centreOn(*m_confirm, *this);
    }
}

void ChangeProfile::update(float dt)
{
    showCursor();
    if (m_create) {
        m_create->update(dt);
        if (m_create->getCommand() == NControls::ScreenCommand::MainMenu) {
            m_create.reset();
            fillList();
            rememberCurrent();
        }
    }
    if (m_confirm) {
        m_confirm->update(dt);
        const NControls::ScreenCommand result = m_confirm->getCommand();
        if (result == NControls::ScreenCommand::Ok) {
            m_confirm.reset();
            if (m_list->getSelected() > 0)
                Profiles::instance()->deleteProfile(m_list->getSelectedText());
            fillList();
            if (m_list->items().size() == 1) {
                m_list->setSelected(0);
                onCommand(m_list);
            }
        } else if (result == NControls::ScreenCommand::Cancel) {
            m_confirm.reset();
        }
    }
    if (m_create || m_confirm)
        m_overlay[3] = std::min(0.7f, m_overlay[3] + dt * 0.0008f);
    else
        m_overlay[3] = std::max(0.0f, m_overlay[3] - dt * 0.0008f);
}

void ChangeProfile::draw()
{
    Panel::draw();
    m_background->setModulateColor(m_overlay[0], m_overlay[1], m_overlay[2], m_overlay[3]);
    drawBackground();
    m_background->setModulateColor(1, 1, 1, 1);
    if (m_create)
        m_create->draw();
    if (m_confirm)
        m_confirm->draw();
}

bool ChangeProfile::onLeftDown(float x, float y)
{
    if (NControls::Control* panel = modal())
        return panel->onLeftDown(x, y);
    return Panel::onLeftDown(x, y);
}

bool ChangeProfile::onLeftUp(float x, float y)
{
    if (NControls::Control* panel = modal())
        return panel->onLeftUp(x, y);
    return Panel::onLeftUp(x, y);
}

bool ChangeProfile::onRightDown(float x, float y)
{
    if (NControls::Control* panel = modal())
        return panel->onRightDown(x, y);
    return Panel::onRightDown(x, y);
}

bool ChangeProfile::onRightUp(float x, float y)
{
    if (NControls::Control* panel = modal())
        return panel->onRightUp(x, y);
    return Panel::onRightUp(x, y);
}

bool ChangeProfile::onMouseMove(float x, float y)
{
    if (NControls::Control* panel = modal())
        return panel->onMouseMove(x, y);
    return Panel::onMouseMove(x, y);
}

} // namespace NVolant
