#pragma once

#include "world/ProfileLink.h"

namespace NVolant {

// The running game's view of the current profile in the save file. Every change of progress is
// written to "save.dat" at once, so a crash or a killed process loses nothing that was recorded.
// With no current profile it reads as a fresh one and keeps nothing.
class StoredProfile final : public ProfileLink {
public:
    std::string savedGame() const override;
    void setSavedGame(const std::string& text) override;
    int levelMax() const override;
    void raiseLevelMax(int level) override;
    bool showHints() const override;
    void recordFinalScore(int score) override;
};

} // namespace NVolant
