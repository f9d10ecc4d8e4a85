#include "app/LevelFlight.h"

#include "app/GameApp.h"
#include "combat/Bonus.h"
#include "combat/Arena.h"
#include "content/CXmlNode.h"
#include "enemies/EBridge.h"
#include "enemies/Enemies.h"
#include "player/Plane.h"
#include "screens/Game.h"
#include "score/Scores.h"
#include "world/Level.h"
#include "world/ProfileLink.h"
#include "world/SavedGameText.h"
#include "world/WorldChecksum.h"
#include "world/World.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <unordered_set>
#include <unistd.h>
#include <vector>

namespace NVolant {

namespace {

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0.0;
    const std::size_t at =
        std::min(values.size() - 1, static_cast<std::size_t>(share * static_cast<double>(values.size())));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(at), values.end());
    return values[at];
}

bool levelOver(FieldStatus status)
{
    return status == FieldStatus::LevelComplete || status == FieldStatus::GameOver ||
           status == FieldStatus::Victory;
}

} // namespace

std::string FlightReport::json() const
{
    char line[640];
    std::snprintf(line, sizeof line,
                  "{\"level\":%d,\"result\":\"%s\",\"score\":%d,\"kills\":%d,\"bridges\":%d,\"bonuses\":%d,"
                  "\"extra_lives\":%d,\"shots_fired\":%d,\"shots_hit\":%d,\"lives_lost\":%d,\"frames\":%d,"
                  "\"update_us_p50\":%.1f,\"update_us_p99\":%.1f,\"frame_ms_p99\":%.2f,\"rss_mb\":%.1f,"
                  "\"rss_after_mb\":%.1f",
                  level, result.c_str(), score, kills, bridges, bonuses, extraLives, shotsFired, shotsHit,
                  livesLost, frames, updateUsP50, updateUsP99, frameMsP99, rssMb, rssAfterMb);
    std::string out = line;
    if (!pilot.empty()) {
        std::snprintf(line, sizeof line, ",\"pilot\":\"%s\",\"seed\":%u", pilot.c_str(), seed);
        out += line;
    }
    out += ",\"deaths\":[";
    for (std::size_t i = 0; i < deaths.size(); ++i) {
        std::snprintf(line, sizeof line, "%s[%.0f,%.0f]", i ? "," : "", deaths[i].first, deaths[i].second);
        out += line;
    }
    return out + "]}";
}

double LevelFlight::residentMb()
{
    std::ifstream statm("/proc/self/statm");
    long long pages = 0;
    long long resident = 0;
    if (!(statm >> pages >> resident))
        return 0.0;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double LevelFlight::settledResidentMb()
{
    malloc_trim(0);
    return residentMb();
}

FlightReport LevelFlight::fly(const Start& start, const Pilot& pilot, int maxFrames)
{
    FlightReport report;
    report.level = start.level;

    NControls::Control* screen = nullptr;
    if (start.continueAtBridge >= 0) {
        if (ProfileLink* profile = ProfileLink::current()) {
            Xml::CXmlNode save;
            save.setName("save");
            save.setInt("m_status", 1);
            save.setInt("m_levelNum", start.level);
            save.setInt("m_livesCount", start.continueLives);
            save.setInt("bridgeNum", start.continueAtBridge);
            profile->setSavedGame(encodeSavedGame(save));
            screen = m_app.playSavedGame(start.seed);
        }
    } else {
        screen = m_app.playLevel(start.level, start.seed);
    }
    auto* game = dynamic_cast<Game*>(screen);
    if (!game || !game->hasLevel()) {
        report.result = "error";
        return report;
    }

    std::vector<double> updates;
    std::vector<double> frames;
    updates.reserve(static_cast<std::size_t>(maxFrames));
    frames.reserve(static_cast<std::size_t>(maxFrames));
    std::unordered_set<const Bonus*> collected;
    int lives = game->field().lives();
    std::pair<float, float> lastSeen{0.0f, 0.0f};
    KWindow* window = m_app.platformWindow();
    report.result = "stuck";
    bool done = false;
    // The pilot looks at the world after each update and its controls go to the next one.
    m_app.setInputSource([&] {
        const FieldStatus status = game->field().status();
        if (levelOver(status)) {
            report.result = status == FieldStatus::GameOver ? "game_over" : "complete";
            done = true;
            return;
        }
        std::optional<PlayerControls> controls = pilot(game->field());
        if (!controls) {
            report.result = "ended";
            done = true;
            return;
        }
        m_app.setPilotControls(std::move(*controls));
        ++report.frames;
    });
    while (!done && report.frames < maxFrames && window && !window->isQuitRequested()) {
        m_app.frame();
        updates.push_back(m_app.lastUpdateMs() * 1000.0);
        frames.push_back(m_app.lastFrameMs());

        const GameField& field = game->field();
        // The last life's plane is gone by the time the lives drop: it fell where it was last seen.
        if (const Plane* plane = field.plane()) {
            const Vector4& cam = plane->cameraOffset();
            lastSeen = {plane->position().x + cam.x, cam.y + 600.0f - plane->position().y};
        }
        if (field.lives() < lives) {
            report.livesLost += lives - field.lives();
            report.deaths.push_back(lastSeen);
        }
        else if (field.lives() > lives)
            report.extraLives += field.lives() - lives;
        lives = field.lives();
        // Pick-ups stay listed while they fade: a pointer counts once while it is listed.
        std::unordered_set<const Bonus*> now;
        for (const auto& b : field.world().arena().bonuses().bonuses())
            if (b->collected()) {
                now.insert(b.get());
                if (!collected.count(b.get()))
                    ++report.bonuses;
            }
        collected.swap(now);
    }
    m_app.setInputSource(nullptr);
    if (window && window->isQuitRequested() && report.result == "stuck")
        report.result = "aborted";

    const GameField& field = game->field();
    const Scores& scores = field.world().arena().scores();
    report.score = scores.score();
    report.kills = scores.boatsKilled() + scores.helicsKilled() + scores.planesKilled();
    report.shotsFired = scores.shotsCount();
    report.shotsHit = scores.shotsHittedCount();
    if (const Level* level = field.level())
        for (const EBridge* b : level->enemies().bridges())
            report.bridges += b->destroyed() ? 1 : 0;
    report.lives = field.lives();
    report.status = static_cast<int>(field.status());
    report.checksum = WorldChecksum::of(field);
    report.updateUsP50 = percentile(updates, 0.50);
    report.updateUsP99 = percentile(updates, 0.99);
    report.frameMsP99 = percentile(frames, 0.99);
    report.rssMb = residentMb();
    return report;
}

} // namespace NVolant
