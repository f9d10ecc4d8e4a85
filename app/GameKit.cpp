#include "app/GameKit.h"

#include "app/LevelDoneScreen.h"
#include "app/StartScreen.h"
#include "screens/Game.h"
#include "world/StoredProfile.h"
#include "world/ProfileLink.h"

namespace NVolant {

namespace {

Game& asGame(NControls::Control& control)
{
    return static_cast<Game&>(control);
}

} // namespace

std::unique_ptr<NControls::Control> GameKit::makeMainMenu()
{
    return std::make_unique<StartScreen>();
}

void GameKit::setContinueEnabled(NControls::Control& menu, bool enabled)
{
    static_cast<StartScreen&>(menu).setContinueEnabled(enabled);
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

void GameKit::loadSavedGame(NControls::Control& game)
{
    asGame(game).loadSaved();
}

std::unique_ptr<NControls::Control> GameKit::makeEndLevel(bool final)
{
    return std::make_unique<LevelDoneScreen>(final);
}

std::unique_ptr<ScreenKit> makeDefaultScreenKit()
{
    // The game records its player's progress in the save file's current profile.
    if (!ProfileLink::current())
        ProfileLink::install(std::make_unique<StoredProfile>());
    return std::make_unique<GameKit>();
}

} // namespace NVolant
