#pragma once

#include "world/ProfileLink.h"

#include <deque>
#include <string>

namespace NVolant {

// A profile kept in memory only: what the game uses when no profile store is connected, and what
// tests use to watch the saved game being written.
class MemoryProfile final : public ProfileLink {
public:
    std::string savedGame() const override { return m_save; }
    void setSavedGame(const std::string& text) override
    {
        m_save = text;
        ++m_savesWritten;
    }
    int levelMax() const override { return m_levelMax; }
    void raiseLevelMax(int level) override;
    bool showHints() const override { return m_showHints; }
    void recordFinalScore(int score) override;

    void setShowHints(bool show) { m_showHints = show; }
    // Every score recorded, highest first.
    const std::deque<int>& scores() const { return m_scores; }
    int savesWritten() const { return m_savesWritten; }

private:
    std::string m_save;
    int m_levelMax = 1;
    bool m_showHints = true;
    std::deque<int> m_scores;
    int m_savesWritten = 0;
};

} // namespace NVolant
