#include "FlightLine.h"

#include <charconv>
#include <cstdlib>

namespace balance {

namespace {

// Where the value of "key" starts, or npos.
std::size_t valueOf(std::string_view text, std::string_view key)
{
    const std::string quoted = "\"" + std::string(key) + "\":";
    const std::size_t at = text.find(quoted);
    return at == std::string_view::npos ? at : at + quoted.size();
}

template <typename T>
bool number(std::string_view text, std::string_view key, T& out)
{
    const std::size_t at = valueOf(text, key);
    if (at == std::string_view::npos)
        return false;
    const auto result = std::from_chars(text.data() + at, text.data() + text.size(), out);
    return result.ec == std::errc();
}

bool string(std::string_view text, std::string_view key, std::string& out)
{
    const std::size_t at = valueOf(text, key);
    if (at == std::string_view::npos || at >= text.size() || text[at] != '"')
        return false;
    const std::size_t end = text.find('"', at + 1);
    if (end == std::string_view::npos)
        return false;
    out = std::string(text.substr(at + 1, end - at - 1));
    return true;
}

// "[[x,y],[x,y]]": the pairs that read whole.
std::vector<std::pair<float, float>> pairs(std::string_view text, std::string_view key)
{
    std::vector<std::pair<float, float>> out;
    std::size_t at = valueOf(text, key);
    if (at == std::string_view::npos || at >= text.size() || text[at] != '[')
        return out;
    const std::size_t end = text.find("]]", at);
    if (end == std::string_view::npos)
        return out;
    ++at;
    while (at < end) {
        if (text[at] != '[')
            break;
        float x = 0.0f;
        float y = 0.0f;
        const char* p = text.data() + at + 1;
        const char* stop = text.data() + end + 1;
        auto rx = std::from_chars(p, stop, x);
        if (rx.ec != std::errc() || rx.ptr >= stop || *rx.ptr != ',')
            break;
        auto ry = std::from_chars(rx.ptr + 1, stop, y);
        if (ry.ec != std::errc() || ry.ptr >= stop || *ry.ptr != ']')
            break;
        out.emplace_back(x, y);
        at = static_cast<std::size_t>(ry.ptr - text.data()) + 1;
        if (at < end && text[at] == ',')
            ++at;
    }
    return out;
}

} // namespace

std::optional<FlightLine> parseFlightLine(std::string_view text)
{
    FlightLine f;
    if (!number(text, "level", f.level) || !string(text, "pilot", f.pilot) || !string(text, "result", f.result))
        return std::nullopt;
    number(text, "seed", f.seed);
    number(text, "lives_lost", f.livesLost);
    number(text, "kills", f.kills);
    number(text, "frames", f.frames);
    f.deaths = pairs(text, "deaths");
    return f;
}

} // namespace balance
