#include "app/CommandLine.h"

#include "pilots/PilotSkill.h"

#include <charconv>

namespace NVolant {

namespace {

bool toInt(const std::string& text, long long low, long long high, long long& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= low && value <= high;
}

// "A-B" or a single level "A".
bool levelRange(const std::string& text, int& first, int& last)
{
    const std::size_t dash = text.find('-');
    long long a = 0;
    long long b = 0;
    if (dash == std::string::npos) {
        if (!toInt(text, 1, 30, a))
            return false;
        b = a;
    } else if (!toInt(text.substr(0, dash), 1, 30, a) || !toInt(text.substr(dash + 1), 1, 30, b)) {
        return false;
    }
    if (a > b)
        return false;
    first = static_cast<int>(a);
    last = static_cast<int>(b);
    return true;
}

} // namespace

CommandLine CommandLine::parse(const std::vector<std::string>& arguments)
{
    CommandLine line;
    bool levelsGiven = false;
    bool seedGiven = false;
    bool pilotGiven = false;
    // --name VALUE or --name=VALUE; false (and the error) when the value is missing.
    auto value = [&](std::size_t& i, const std::string& name, std::string& out) {
        const std::string& a = arguments[i];
        if (a == name) {
            if (i + 1 >= arguments.size()) {
                line.error = name + " needs a value";
                return false;
            }
            out = arguments[++i];
        } else {
            out = a.substr(name.size() + 1);
        }
        if (out.empty()) {
            line.error = name + " needs a value";
            return false;
        }
        return true;
    };
    auto is = [](const std::string& a, const char* name) {
        const std::string n(name);
        return a == n || a.rfind(n + "=", 0) == 0;
    };

    for (std::size_t i = 0; i < arguments.size() && line.error.empty(); ++i) {
        const std::string& a = arguments[i];
        std::string v;
        if (a == "--help" || a == "-h") {
            line.help = true;
        } else if (a == "--version") {
            line.version = true;
        } else if (a == "--windowed" || a == "--fullscreen") {
            const int mode = a == "--windowed" ? 1 : 0;
            if (line.windowed >= 0 && line.windowed != mode)
                line.error = "--windowed and --fullscreen exclude each other";
            line.windowed = mode;
        } else if (a == "--autopilot") {
            line.autopilot = true;
        } else if (a == "--headless") {
            line.headless = true;
        } else if (a == "--undrawn") {
            line.undrawn = true;
        } else if (is(a, "--renderer")) {
            if (value(i, "--renderer", v))
                line.renderer = v;
        } else if (is(a, "--levels")) {
            if (value(i, "--levels", v) && !levelRange(v, line.firstLevel, line.lastLevel))
                line.error = "--levels wants A-B with 1 <= A <= B <= 30, not " + v;
            levelsGiven = true;
        } else if (is(a, "--seed")) {
            long long seed = 0;
            if (value(i, "--seed", v) && !toInt(v, 0, 0xFFFFFFFFll, seed))
                line.error = "--seed wants a number from 0 to 4294967295, not " + v;
            line.seed = static_cast<std::uint32_t>(seed);
            seedGiven = true;
        } else if (is(a, "--pilot")) {
            if (value(i, "--pilot", v) && !PilotSkill::named(v))
                line.error = "--pilot wants novice, average, expert or ace, not " + v;
            line.pilot = v;
            pilotGiven = true;
        } else if (is(a, "--record")) {
            if (value(i, "--record", v))
                line.recordPath = v;
        } else if (is(a, "--replay")) {
            if (value(i, "--replay", v))
                line.replayPath = v;
        } else {
            line.error = "unknown option " + a;
        }
    }
    if (!line.error.empty() || line.help || line.version)
        return line;
    if (line.autopilot && !line.replayPath.empty())
        line.error = "--autopilot and --replay exclude each other";
    else if (!line.autopilot && (levelsGiven || seedGiven || pilotGiven || line.undrawn || !line.recordPath.empty()))
        line.error = "--levels, --seed, --pilot, --undrawn and --record go with --autopilot";
    else if (line.headless && !line.autopilot && line.replayPath.empty())
        line.error = "--headless goes with --autopilot or --replay";
    else if (!line.recordPath.empty() && line.firstLevel != line.lastLevel)
        line.error = "--record records one level: give --levels N-N";
    return line;
}

std::string CommandLine::usage()
{
    return "Usage: skyvane [OPTION]...\n"
           "Fly up the river valley and destroy everything that shoots back.\n"
           "\n"
           "  --windowed        play in a window this time (the saved choice stays)\n"
           "  --fullscreen      play full screen this time (the saved choice stays)\n"
           "  --renderer NAME   draw with SDL's NAME renderer: auto (default: a hardware one,\n"
           "                    or software where OpenGL itself runs on the CPU), software,\n"
           "                    opengl, opengles2, ...\n"
           "\n"
           "  --autopilot       let the computer fly; with --levels it plays each level\n"
           "                    from its start with three lives and prints one JSON line per\n"
           "                    level (exit status 0 only when every level ran without error)\n"
           "  --levels A-B      the levels the autopilot flies (default 1-1)\n"
           "  --seed N          the autopilot's seed and the world's random start (default 0):\n"
           "                    the same level and seed are flown the same way every time\n"
           "  --pilot NAME      how well the autopilot flies: ace (default: it sees every\n"
           "                    bullet at once), or like a person: expert, average, novice\n"
           "  --record FILE     write the input of the autopilot's flight (one level) to FILE\n"
           "  --replay FILE     play a recorded flight back and print its score, status and\n"
           "                    world checksum (exit status 1 when it ends otherwise than\n"
           "                    recorded)\n"
           "  --headless        with --autopilot or --replay: no window, no sound, no frame cap\n"
           "  --undrawn         with --autopilot: step the world without drawing it (the same\n"
           "                    flights, many times faster)\n"
           "\n"
           "  --version         print the version and leave\n"
           "  -h, --help        print this help and leave\n"
           "\n"
           "Saves, logs and screenshots live in ~/.local/share/Corvidane/Skyvane/.\n"
           "The autopilot and replays never change the save file.\n";
}

} // namespace NVolant
