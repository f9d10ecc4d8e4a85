#include "pilots/ReplayFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace NVolant {

namespace {

// The words of one line, without copying.
std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

template <typename T> bool number(std::string_view word, T& value, T low, T high, int base = 10)
{
    T parsed{};
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, parsed, base);
    if (ec != std::errc() || ptr != end || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

bool keyList(std::string_view word, std::vector<int>& keys)
{
    keys.clear();
    if (word == "-")
        return true;
    std::size_t start = 0;
    while (start <= word.size()) {
        const std::size_t comma = std::min(word.find(',', start), word.size());
        int key = 0;
        if (!number(word.substr(start, comma - start), key, 1, 255))
            return false;
        keys.push_back(key);
        if (keys.size() > ReplayFile::kMaxKeys)
            return false;
        start = comma + 1;
    }
    return true;
}

std::string keysText(const std::vector<int>& keys)
{
    if (keys.empty())
        return "-";
    std::string text;
    for (const int key : keys)
        text += (text.empty() ? "" : ",") + std::to_string(key);
    return text;
}

constexpr std::string_view kLetters = "UDLRCMK";

bool* flagOf(PlayerControls& c, char letter)
{
    switch (letter) {
    case 'U':
        return &c.steerUp;
    case 'D':
        return &c.steerDown;
    case 'L':
        return &c.steerLeft;
    case 'R':
        return &c.steerRight;
    case 'C':
        return &c.cannon;
    case 'M':
        return &c.missiles;
    case 'K':
        return &c.click;
    default:
        return nullptr;
    }
}

// Each letter once, in the order of kLetters, so the same controls always read the same.
bool flagList(std::string_view word, PlayerControls& c)
{
    if (word == "-")
        return true;
    std::size_t at = 0;
    for (const char letter : word) {
        const std::size_t place = kLetters.find(letter, at);
        if (place == std::string_view::npos)
            return false;
        *flagOf(c, letter) = true;
        at = place + 1;
    }
    return true;
}

std::string flagsText(PlayerControls c)
{
    std::string text;
    for (const char letter : kLetters)
        if (*flagOf(c, letter))
            text += letter;
    return text.empty() ? "-" : text;
}

bool steerPoint(std::string_view x, std::string_view y, std::optional<SteeringPoint>& steer)
{
    if (x == "-" && y == "-") {
        steer.reset();
        return true;
    }
    SteeringPoint p;
    if (!number(x, p.x, 0, 799) || !number(y, p.y, 0, 599))
        return false;
    steer = p;
    return true;
}

} // namespace

PlayerControls ReplayFile::heldPart(const PlayerControls& c)
{
    PlayerControls held;
    held.steerUp = c.steerUp;
    held.steerDown = c.steerDown;
    held.steerLeft = c.steerLeft;
    held.steerRight = c.steerRight;
    held.cannon = c.cannon;
    held.missiles = c.missiles;
    return held;
}

std::optional<ReplayFile> ReplayFile::parse(std::string_view text, std::string* error)
{
    ReplayFile replay;
    bool versionSeen = false;
    bool framesSeen = false;
    int lineNumber = 0;
    std::string problem;
    std::size_t pos = 0;
    while (pos < text.size() && problem.empty()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        const std::vector<std::string_view> w = words(line);
        if (w.empty() || w[0][0] == '#')
            continue;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (!versionSeen) {
            int version = 0;
            if (w.size() != 2 || w[0] != kMagic || !number(w[1], version, 0, 1 << 30))
                problem = where + "not a Skyvane replay";
            else if (version != kVersion)
                problem = "replay format version " + std::to_string(version) +
                          "; this Skyvane reads version " + std::to_string(kVersion);
            versionSeen = true;
        } else if (w[0] == "level") {
            if (w.size() != 2 || !number(w[1], replay.level, 1, 30))
                problem = where + "level must be 1 to 30";
        } else if (w[0] == "seed") {
            if (w.size() != 2 || !number(w[1], replay.seed, 0u, 0xFFFFFFFFu))
                problem = where + "bad seed";
        } else if (w[0] == "continue") {
            if (w.size() != 3 || !number(w[1], replay.continueAtBridge, 0, 99) ||
                !number(w[2], replay.continueLives, 1, 99))
                problem = where + "continue needs a bridge 0 to 99 and lives 1 to 99";
        } else if (w[0] == "frames") {
            if (framesSeen || w.size() != 2 || !number(w[1], replay.frameCount, 1, kMaxFrames))
                problem = where + "frames must be given once, 1 to " + std::to_string(kMaxFrames);
            framesSeen = true;
        } else if (w[0] == "expect") {
            Outcome o;
            if (w.size() != 5 || !number(w[1], o.score, -2000000000, 2000000000) ||
                !number(w[2], o.lives, 0, 999) || !number(w[3], o.status, 0, 8) ||
                !number(w[4], o.checksum, 0u, 0xFFFFFFFFu, 16))
                problem = where + "expect needs score, lives, status 0 to 8 and a hexadecimal checksum";
            else
                replay.expected = o;
        } else {
            int frame = 0;
            PlayerControls in;
            if (!framesSeen)
                problem = where + "input before the frame count";
            else if (w.size() != 5 || !number(w[0], frame, 0, replay.frameCount - 1) ||
                     !steerPoint(w[1], w[2], in.steer) || !flagList(w[3], in) || !keyList(w[4], in.typed))
                problem = where + "expected: frame x y letters keys, each in range";
            else if (replay.changes.empty() ? frame != 0 : frame <= replay.changes.back().first)
                problem = where + "frames must rise, starting at 0";
            else
                replay.changes.emplace_back(frame, std::move(in));
        }
    }
    if (problem.empty() && !versionSeen)
        problem = "not a Skyvane replay";
    if (problem.empty() && (!framesSeen || replay.changes.empty()))
        problem = "no frames";
    if (!problem.empty()) {
        if (error)
            *error = problem;
        return std::nullopt;
    }
    return replay;
}

std::optional<ReplayFile> ReplayFile::load(const std::string& path, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error)
            *error = "cannot read " + path;
        return std::nullopt;
    }
    // Far more than an hour of input; anything larger is not a replay.
    constexpr std::streamsize kMaxBytes = 64 << 20;
    std::string bytes(static_cast<std::size_t>(kMaxBytes) + 1, '\0');
    in.read(bytes.data(), kMaxBytes + 1);
    if (in.gcount() > kMaxBytes) {
        if (error)
            *error = path + " is too large for a replay";
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return parse(bytes, error);
}

std::string ReplayFile::text(const std::string& comment) const
{
    std::ostringstream out;
    out << kMagic << " " << kVersion << "\n";
    // Every line of the comment stays a comment, whatever it holds.
    std::size_t start = 0;
    while (start < comment.size()) {
        const std::size_t end = std::min(comment.find('\n', start), comment.size());
        out << "# " << comment.substr(start, end - start) << "\n";
        start = end + 1;
    }
    out << "# Controls: frame, steering point, letters (U D L R steer, C cannon, M missiles, K click), "
           "typed keys.\n";
    out << "level " << level << "\n";
    out << "seed " << seed << "\n";
    if (continueAtBridge >= 0)
        out << "continue " << continueAtBridge << " " << continueLives << "\n";
    out << "frames " << frameCount << "\n";
    for (const auto& [frame, in] : changes) {
        out << frame << " ";
        if (in.steer)
            out << in.steer->x << " " << in.steer->y;
        else
            out << "- -";
        out << " " << flagsText(in) << " " << keysText(in.typed) << "\n";
    }
    if (expected) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08x", expected->checksum);
        out << "expect " << expected->score << " " << expected->lives << " " << expected->status << " " << hex
            << "\n";
    }
    return out.str();
}

bool ReplayFile::save(const std::string& path, const std::string& comment) const
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text(comment);
    out.flush();
    return static_cast<bool>(out);
}

std::vector<PlayerControls> ReplayFile::frames() const
{
    std::vector<PlayerControls> all;
    all.reserve(static_cast<std::size_t>(std::max(frameCount, 0)));
    ReplayCursor cursor(*this);
    while (!cursor.atEnd())
        all.push_back(cursor.next());
    return all;
}

void ReplayFile::append(const PlayerControls& controls)
{
    // A frame that only goes on holding what the last line held needs no line.
    const bool same = !changes.empty() && controls == heldPart(changes.back().second);
    if (!same)
        changes.emplace_back(frameCount, controls);
    ++frameCount;
}

PlayerControls ReplayCursor::next()
{
    PlayerControls current = ReplayFile::heldPart(m_held);
    if (m_change < m_replay.changes.size() && m_replay.changes[m_change].first <= m_frame)
        current = m_replay.changes[m_change++].second;
    m_held = current;
    ++m_frame;
    return current;
}

} // namespace NVolant
