#include "app/AttractMode.h"

#include "app/ScreenKit.h"
#include "content/BitmapText.h"
#include "gameplay/Images.h"
#include "platform/Screen.h"
#include "screens/Game.h"
#include "world/MemoryProfile.h"
#include "world/ProfileLink.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace NVolant {

namespace {

constexpr float kCaptionSize = 48.0f;
constexpr float kCaptionY = 40.0f;

} // namespace

AttractMode::~AttractMode()
{
    end();
}

bool AttractMode::due(float dtMs, bool menuAtRest)
{
    if (!menuAtRest || m_phase != Phase::Off) {
        m_idleMs = 0.0f;
        return false;
    }
    m_idleMs += dtMs;
    return m_idleMs >= kIdleMs;
}

float AttractMode::fade() const
{
    const float t = std::clamp(m_phaseMs / kFadeMs, 0.0f, 1.0f);
    switch (m_phase) {
    case Phase::MenuFadingOut:
    case Phase::DemoFadingOut:
        return 1.0f - t;
    case Phase::Flying:
    case Phase::MenuFadingIn:
        return t;
    default:
        return 1.0f;
    }
}

bool AttractMode::advance(float dtMs)
{
    m_phaseMs += dtMs;
    if (m_phase == Phase::Flying)
        m_flownMs += dtMs;
    return m_phaseMs >= kFadeMs;
}

void AttractMode::setPhase(Phase phase)
{
    m_phase = phase;
    m_phaseMs = 0.0f;
    m_idleMs = 0.0f;
}

bool AttractMode::begin(ScreenKit& kit, int level)
{
    end();
    // The flight's progress, score and game over go to a profile that dies with it.
    m_playerLink = ProfileLink::exchange(std::make_unique<MemoryProfile>());
    m_game = kit.makeGame(false);
    if (!m_game) {
        end();
        return false;
    }
    kit.startGame(*m_game, level);
    m_pilot = std::make_unique<Autopilot>(m_flights++);
    m_flownMs = 0.0f;
    m_hand.release();
    return true;
}

void AttractMode::end()
{
    // The game goes first: it settles its score with the profile slot, which is still the demo's.
    m_game.reset();
    m_pilot.reset();
    if (m_playerLink)
        ProfileLink::install(std::move(m_playerLink));
}

bool AttractMode::finished(ScreenKit& kit) const
{
    if (!m_game || m_flownMs >= kLongestMs)
        return true;
    const FieldStatus status = kit.fieldStatus(*m_game);
    return status == FieldStatus::LevelComplete || status == FieldStatus::GameOver ||
           status == FieldStatus::Victory || status == FieldStatus::GameOverShowing;
}

std::optional<PlayerControls> AttractMode::nextControls()
{
    if (m_phase != Phase::Flying || !m_game || !m_pilot)
        return std::nullopt;
    return m_hand.controls(m_pilot->next(static_cast<Game&>(*m_game).field()));
}

void AttractMode::drawCaption() const
{
    const NLib::BitmapText* font = Images::instance()->font.get();
    if (!font || !m_game)
        return;
    const float glow = 0.75f + 0.25f * std::sin(m_flownMs * 0.004f);
    const float x = (kScreenWidth - font->measureText("DEMO", kCaptionSize)) / 2.0f;
    font->drawText("DEMO", kCaptionSize, x + 2.0f, kCaptionY + 2.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.7f);
    font->drawText("DEMO", kCaptionSize, x, kCaptionY, 0.0f, 1.0f, 0.85f, 0.3f, glow);
}

} // namespace NVolant
