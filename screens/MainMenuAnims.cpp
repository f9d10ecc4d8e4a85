#include "screens/MainMenuAnims.h"

#include "content/ResourceArchive.h"
#include "content/Sounds.h"
#include "gameplay/Images.h"

#include <cmath>
#include <cstdlib>

namespace NVolant {

namespace {

constexpr float kHalfPi = 1.5707964f;
const Vector4 kShown{500.0f, 80.0f, 0.0f, 1.0f};
const Vector4 kHidden{810.0f, 80.0f, 0.0f, 1.0f};
constexpr float kSparkX = 281.0f;
constexpr float kSparkY = 331.0f;

} // namespace

const Vector4& MainMenuAnims::panelShown()
{
    return kShown;
}

const Vector4& MainMenuAnims::panelHidden()
{
    return kHidden;
}

MainMenuAnims::MainMenuAnims() : m_panelPosition(kHidden)
{
    const NLib::ResourceArchive& archive = *NLib::ResourceArchive::instance();
    m_barrel = std::make_unique<NLib::Sprite>(archive, "menu/na_bochke/na_bochke.xml");
    m_barrel->setFps(8.0f);
    m_barrel->position.set(262.0f + m_barrel->frameWidth / 2.0f, 313.0f + m_barrel->frameHeight / 2.0f, 0.0f,
                           1.0f);

    if (const ParticleSystem* spark = Images::instance()->particles[2].get()) {
        m_sparks = std::make_unique<ParticleSystem>(*spark, m_sparkRandom);
        m_sparks->fireAt(kSparkX, kSparkY);
        m_sparks->setScale(6.0f);
    }

    m_flash = std::make_unique<NLib::Sprite>(archive, "menu/svarka/svarka.xml");
    m_flash->position.set(m_flash->frameWidth / 2.0f, m_flash->frameHeight / 2.0f, 0.0f, 1.0f);
}

MainMenuAnims::~MainMenuAnims()
{
    if (m_flashOn)
        arcSound(false);
}

float MainMenuAnims::menuRandom(float a, float b)
{
    m_seed = m_seed * 214013u + 2531011u;
    return a + (b - a) * static_cast<float>(m_seed >> 16) / 65536.0f;
}

void MainMenuAnims::update(float dt)
{
    updateBarrel(dt);
    updateSparks(dt);
    updateFlash(dt);
    updateSlide();
}

void MainMenuAnims::updateBarrel(float dt)
{
    const float before = m_pauseTimer;
    m_pauseTimer -= dt;
    if (before >= 0.0f) {
        if (m_pauseTimer < 0.0f)
            m_barrel->setFrame(2);
        return;
    }
    if (m_barrel->getFrame() == 0) {
        // The animation wrapped round: rest a while before the next weld.
        m_pauseTimer = 3000.0f + static_cast<float>(std::rand() % 1500);
        return;
    }
    m_barrel->update(dt);
    if (m_barrel->getFrame() > m_barrel->frameCount / 2 + 1)
        m_sparkTimer = (static_cast<float>(std::rand() % 100) / 200.0f + 0.2f) * 1000.0f;
}

void MainMenuAnims::updateSparks(float dt)
{
    m_sparkTimer -= dt;
    if (!m_sparks)
        return;
    if (m_sparkTimer > 0.0f)
        m_sparks->fireAt(kSparkX, kSparkY);
    else
        m_sparks->stop(false);
    m_sparks->update(dt / 3000.0f, static_cast<float>(std::rand() % 100) / 300.0f);
}

void MainMenuAnims::updateFlash(float dt)
{
    m_flashTimer -= dt;
    if (m_flashTimer >= 0.0f)
        return;
    m_flashOn = !m_flashOn;
    if (m_flashOn) {
        m_flashTimer = menuRandom(100.0f, 500.0f);
        arcSound(true);
    } else {
        m_flashTimer = 2.0f * menuRandom(20.0f, 900.0f);
        arcSound(false);
    }
}

void MainMenuAnims::arcSound(bool on)
{
    const Sounds* sounds = Sounds::existing();
    NAudio::Sound* arc = sounds ? sounds->arc() : nullptr;
    if (!arc)
        return;
    if (on)
        arc->play(true, false, 15);
    else
        arc->stop();
}

void MainMenuAnims::slideIn()
{
    setSlide(SlidingIn, 0.0f);
}

void MainMenuAnims::slideOut()
{
    setSlide(SlidingOut, kHalfPi);
}

void MainMenuAnims::setSlide(Slide state, float phase)
{
    m_slideState = state;
    m_slidePhase = phase;
}

void MainMenuAnims::updateSlide()
{
    if (m_slideState == SlideIdle)
        return;
    if (m_slideState == SlidingIn) {
        m_slidePhase += 0.05f;
        if (m_slidePhase > kHalfPi) {
            m_slidePhase = kHalfPi;
            m_slideState = SlideIdle;
        }
    } else {
        m_slidePhase -= 0.05f;
        if (m_slidePhase < 0.0f) {
            m_slidePhase = 0.0f;
            m_slideState = SlideIdle;
        }
    }
    const float s = std::sin(m_slidePhase);
    m_panelPosition.set(kHidden.x - s * (kHidden.x - kShown.x), kHidden.y - s * (kHidden.y - kShown.y),
                        kHidden.z - s * (kHidden.z - kShown.z), kShown.w);
}

void MainMenuAnims::draw()
{
    if (m_flashOn)
        m_flash->draw(m_flash->position);
    m_barrel->draw(m_barrel->position);
    if (m_sparks)
        m_sparks->draw();
}

} // namespace NVolant
