// A profile's saved-game text as save.dat hands it over (a user may have edited it): decoding and
// checking it never throws or crashes, and what it accepts can be continued.
#include "world/SavedGameText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    NVolant::SavedGame game;
    if (!NVolant::readSavedGame(text, game))
        return 0;
    if (game.levelNumber < 1 || game.levelNumber > 30 || game.lives < 1 || game.bridges < 0)
        std::abort();
    if (game.status != 1 && game.status != 2)
        std::abort();
    // The record goes back into the profile as it came.
    NVolant::SavedGame again;
    if (!NVolant::readSavedGame(NVolant::encodeSavedGame(game.record), again) ||
        again.levelNumber != game.levelNumber)
        std::abort();
    return 0;
}
