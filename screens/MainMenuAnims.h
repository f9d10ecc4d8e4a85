#pragma once

#include "content/ParticleSystem.h"
#include "content/Random.h"
#include "content/Sprite.h"

#include "platform/Vector4.h"

#include <cstdint>
#include <memory>

namespace NVolant {

// The main menu's life: the mechanic on his barrel who now and then welds (sparks and a flash
// with the arc's crackle), and the play panel that slides in from the right and out again.
class MainMenuAnims {
public:
    enum Slide { SlideIdle = 0, SlidingIn = 1, SlidingOut = 2 };

    MainMenuAnims();
    virtual ~MainMenuAnims();
    MainMenuAnims(const MainMenuAnims&) = delete;
    MainMenuAnims& operator=(const MainMenuAnims&) = delete;

    virtual void draw();
    virtual void update(float dt);

    void slideIn();
    void slideOut();
    // Stops the slide where it stands, at this phase (0 out of sight, pi/2 in place).
    void setSlide(Slide state, float phase);
    Slide slideState() const { return m_slideState; }
    float slidePhase() const { return m_slidePhase; }
    const Vector4& panelPosition() const { return m_panelPosition; }
    static const Vector4& panelShown();
    static const Vector4& panelHidden();

    bool flashOn() const { return m_flashOn; }
    float flashTimer() const { return m_flashTimer; }
    float pauseTimer() const { return m_pauseTimer; }
    float sparkTimer() const { return m_sparkTimer; }
    const NLib::Sprite& barrel() const { return *m_barrel; }
    const ParticleSystem* sparks() const { return m_sparks.get(); }

private:
    // A value in [a, b) from the menu's own generator.
    float menuRandom(float a, float b);
    void updateBarrel(float dt);
    void updateSparks(float dt);
    void updateFlash(float dt);
    void updateSlide();
    void arcSound(bool on);

    std::unique_ptr<NLib::Sprite> m_barrel;
    float m_pauseTimer = 0.0f;
    // The sparks draw from a sequence of their own: the menu is no game.
    NLib::Random m_sparkRandom;
    std::unique_ptr<ParticleSystem> m_sparks;
    float m_sparkTimer = 0.0f;
    std::unique_ptr<NLib::Sprite> m_flash;
    bool m_flashOn = false;
    float m_flashTimer = 1000.0f;
    Slide m_slideState = SlideIdle;
    float m_slidePhase = 1.5707964f;
    Vector4 m_panelPosition;
    std::uint32_t m_seed = 0;
};

} // namespace NVolant
