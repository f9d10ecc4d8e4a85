#include "screens/OptionsPanel.h"

#include "content/AudioSystem.h"
#include "content/Sounds.h"
#include "platform/KPointer.h"
#include "score/Profiles.h"
#include "screens/ScreenHost.h"

namespace NVolant {

OptionsPanel::OptionsPanel(NControls::Control* owner) : Panel("menu/bg_options.png", owner)
{
    m_ok = addButton("OK", "menu\\close_btn.png");
    placeAt(*m_ok, static_cast<float>(m_width - m_ok->getWidth()) * 0.5f, static_cast<float>(m_height - 70));
    // The stereo box carries the full-screen name too; the panel tells them apart by pointer.
    m_fullScreen = addBox("FULL_SCREEN", 53, 91);
    m_stereo = addBox("FULL_SCREEN", 53, 130);
    m_hints = addBox("SHOW_HINTS", 53, 169);
    m_sound = addSlider("SOUND", 102);
    m_music = addSlider("MUSIC", 167);

    const ScreenHost* host = ScreenHost::instance();
    m_fullScreen->setChecked(host && host->isFullScreen());
    if (const NAudio::AudioSystem* audio = NAudio::AudioSystem::existing()) {
        m_stereo->setChecked(audio->invertStereo());
        m_sound->setValue(audio->soundVolume());
        m_music->setValue(audio->streamVolume());
    }
    if (const Profile* profile = Profiles::instance()->currentProfile())
        m_hints->setChecked(profile->m_isShowHints);
}

NControls::CheckBox* OptionsPanel::addBox(const std::string& name, float centreX, float centreY)
{
    auto box = std::make_unique<NControls::CheckBox>(name, "menu\\chb.png", this);
    box->setCentre(centreX, centreY);
    return add(std::move(box));
}

NControls::ProgressBar* OptionsPanel::addSlider(const std::string& name, int fromBottom)
{
    auto bar = std::make_unique<NControls::ProgressBar>(name, "menu\\bar_btn.png", this);
    bar->setSize(178, bar->getHeight());
    bar->setRange(0, 100);
    placeAt(*bar, static_cast<float>(m_width - bar->getWidth()) * 0.5f - 2,
            static_cast<float>(m_height - fromBottom));
    return add(std::move(bar));
}

void OptionsPanel::update(float)
{
    showCursor();
}

bool OptionsPanel::onLeftUp(float x, float y)
{
    const bool hit = Panel::onLeftUp(x, y);
    if (hit && m_soundChanged) {
        // A sample of the new effect volume.
        if (NAudio::Sound* test = Sounds::existing() ? Sounds::existing()->helicExplode() : nullptr)
            test->play(true, false);
        m_soundChanged = false;
    }
    return hit;
}

void OptionsPanel::onCommand(NControls::Control* sender)
{
    clearCommand();
    ScreenHost* host = ScreenHost::instance();
    NAudio::AudioSystem* audio = NAudio::AudioSystem::existing();
    if (sender == m_ok) {
        // The settings are written as the panel closes (the save file takes them as they are).
        Profiles::instance()->save();
        setCommand(NControls::ScreenCommand::MainMenu);
    } else if (sender == m_fullScreen) {
        if (host) {
            if (m_fullScreen->isChecked())
                host->setFullScreen();
            else
                host->setWindowed();
        }
        // A switch that failed shows the mode the window is really in.
        m_fullScreen->setChecked(host && host->isFullScreen());
    } else if (sender == m_stereo) {
        if (audio)
            audio->setInvertStereo(m_stereo->isChecked());
    } else if (sender == m_hints) {
        if (Profile* profile = Profiles::instance()->currentProfile()) {
            profile->m_isShowHints = m_hints->isChecked();
            Profiles::instance()->save();
        }
    } else if (sender == m_music) {
        if (!audio)
            return;
        const int volume = m_music->getValue();
        audio->setStreamVolume(volume);
        if (volume == 0) {
            audio->setStreamsEnabled(false);
        } else if (!audio->streamsEnabled()) {
            audio->setStreamsEnabled(true);
            if (host)
                host->restartMenuMusic();
        }
    } else if (sender == m_sound) {
        if (audio) {
            audio->setSoundVolume(m_sound->getValue());
            audio->setSoundsEnabled(m_sound->getValue() != 0);
        }
        m_soundChanged = true;
    }
}

} // namespace NVolant
