#pragma once

#include <memory>
#include <string>

namespace NVolant {

// The current player profile as a running game sees it: its saved game, the highest level it
// reached, its hint option and its best scores. The game field and screen reach the profile only
// through this, so the game runs with or without a profile store behind it.
class ProfileLink {
public:
    virtual ~ProfileLink() = default;

    // The installed link, or null: no current profile.
    static ProfileLink* current();
    // Replaces the installed link (null removes it).
    static void install(std::unique_ptr<ProfileLink> link);
    // Installs link and hands back the one it replaces (a demonstration borrows the slot).
    static std::unique_ptr<ProfileLink> exchange(std::unique_ptr<ProfileLink> link);

    // The saved game: hexadecimal text, empty when there is nothing to continue.
    virtual std::string savedGame() const = 0;
    virtual void setSavedGame(const std::string& text) = 0;
    // Highest level reached; only ever raised.
    virtual int levelMax() const = 0;
    virtual void raiseLevelMax(int level) = 0;
    virtual bool showHints() const = 0;
    // A finished game's score goes into the profile's best scores; when it then stands in the
    // top ten of all profiles, the menu is told to show the table.
    virtual void recordFinalScore(int score) = 0;
};

} // namespace NVolant
