#include "world/StoredProfile.h"

#include "score/Profile.h"
#include "score/Profiles.h"

#include <algorithm>
#include <vector>

namespace NVolant {

namespace {

Profile* currentProfile()
{
    Profiles* profiles = Profiles::existing();
    return profiles ? profiles->currentProfile() : nullptr;
}

void saveNow()
{
    if (Profiles* profiles = Profiles::existing())
        profiles->save();
}

} // namespace

std::string StoredProfile::savedGame() const
{
    const Profile* profile = currentProfile();
    return profile ? profile->m_save : std::string();
}

void StoredProfile::setSavedGame(const std::string& text)
{
    Profile* profile = currentProfile();
    if (!profile || profile->m_save == text)
        return;
    profile->m_save = text;
    saveNow();
}

int StoredProfile::levelMax() const
{
    const Profile* profile = currentProfile();
    return profile ? static_cast<int>(profile->m_levelMax) : 1;
}

void StoredProfile::raiseLevelMax(int level)
{
    Profile* profile = currentProfile();
    const int top = static_cast<int>(Profile::kLastLevel);
    if (!profile || level <= static_cast<int>(profile->m_levelMax))
        return;
    profile->m_levelMax = static_cast<std::uint32_t>(std::min(level, top));
    saveNow();
}

bool StoredProfile::showHints() const
{
    const Profile* profile = currentProfile();
    return profile ? profile->m_isShowHints : true;
}

void StoredProfile::recordFinalScore(int score)
{
    Profiles* profiles = Profiles::existing();
    Profile* profile = currentProfile();
    if (!profiles || !profile)
        return;
    const auto points = static_cast<std::uint32_t>(std::max(score, 0));
    profile->addScore(points);
    // The menu opens the table when this game's score has made it in.
    std::vector<TopTenEntry> table;
    profiles->collectTopTen(table);
    const auto entered = std::find_if(table.begin(), table.end(), [&](const TopTenEntry& e) {
        return e.score == points && e.name == profile->name();
    });
    if (entered != table.end())
        profiles->topTenChanged = true;
    saveNow();
}

} // namespace NVolant
