#include "app/GameKit.h"

#include "score/Profiles.h"
#include "score/Scores.h"
#include "screens/Game.h"
#include "screens/HintWnd.h"
#include "world/StoredProfile.h"
#include "world/ProfileLink.h"
#include "world/World.h"

namespace NVolant {

namespace {

Game& asGame(NControls::Control& control)
{
    return static_cast<Game&>(control);
}

} // namespace

GameKit::GameKit()
{
    // The hint window edits the hint option of the profile the game is played for.
    Game::setHintMaker([](ProfileLink* link) -> std::unique_ptr<HintWindow> {
        return std::make_unique<HintWnd>(link ? Profiles::instance()->currentProfile() : nullptr);
    });
}

GameKit::~GameKit()
{
    Game::setHintMaker(nullptr);
}

std::unique_ptr<NControls::Control> GameKit::makeGame(bool hintsAllowed)
{
    return std::make_unique<Game>(hintsAllowed, ProfileLink::current());
}

FieldStatus GameKit::fieldStatus(NControls::Control& game)
{
    return asGame(game).fieldStatus();
}

bool GameKit::hasLevel(NControls::Control& game)
{
    return asGame(game).hasLevel();
}

void GameKit::startGame(NControls::Control& game, int level)
{
    Game& g = asGame(game);
    g.newGame();
    g.setLevel(level);
    g.startLevel();
}

void GameKit::updateGame(NControls::Control& game, float dt, const PlayerControls& controls)
{
    asGame(game).update(dt, controls);
}

SteeringPoint GameKit::steeringPoint(NControls::Control& game)
{
    return asGame(game).field().steeringPoint();
}

void GameKit::placeSteering(NControls::Control& game, SteeringPoint point)
{
    asGame(game).field().placeSteering(point);
}

void GameKit::pauseGame(NControls::Control& game)
{
    asGame(game).pause();
}

void GameKit::nextLevel(NControls::Control& game)
{
    Game& g = asGame(game);
    g.nextLevel();
    g.startLevel();
}

bool GameKit::hasSavedGame()
{
    const ProfileLink* profile = ProfileLink::current();
    return profile && !profile->savedGame().empty();
}

void GameKit::seedGame(NControls::Control& game, std::uint32_t seed)
{
    asGame(game).field().setSeed(seed);
}

void GameKit::loadSavedGame(NControls::Control& game)
{
    asGame(game).loadSaved();
}

LevelStats GameKit::levelStats(NControls::Control& game)
{
    const Scores& scores = asGame(game).field().world().arena().scores();
    LevelStats stats;
    stats.boatsKilled = scores.boatsKilled();
    stats.helicsKilled = scores.helicsKilled();
    stats.planesKilled = scores.planesKilled();
    stats.levelScores = scores.levelScores();
    stats.bonusLevelScores = scores.bonusLevelScores();
    stats.shotsCount = scores.shotsCount();
    stats.shotsHittedCount = scores.shotsHittedCount();
    return stats;
}

std::unique_ptr<ScreenKit> makeDefaultScreenKit()
{
    // The game records its player's progress in the save file's current profile.
    if (!ProfileLink::current())
        ProfileLink::install(std::make_unique<StoredProfile>());
    return std::make_unique<GameKit>();
}

} // namespace NVolant
