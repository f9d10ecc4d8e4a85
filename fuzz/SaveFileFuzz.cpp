// "save.dat" on arbitrary bytes: unscrambling and loading never fail hard, and whatever loads is
// written as a file that reads back to exactly the same profiles and settings.
#include "platform/Log.h"
#include "score/Profiles.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool quiet = (setLogEcho(false), true);
    (void)quiet;

    NVolant::Profiles profiles;
    profiles.loadBytes(std::vector<std::uint8_t>(data, data + size));
    std::vector<NVolant::TopTenEntry> top;
    profiles.collectTopTen(top);
    const NVolant::Profile* current = profiles.currentProfile();
    if (top.size() > 10 || (current && profiles.findProfile(current->name()) != current))
        std::abort();

    const std::string text = profiles.toText();
    NVolant::Profiles again;
    if (!again.loadBytes(profiles.toBytes()) || again.toText() != text)
        std::abort();

    // The profile operations on whatever was loaded stay in bounds.
    if (profiles.profileCount() > 0) {
        const std::string name = profiles.profileAt(profiles.profileCount() - 1)->name();
        profiles.selectProfile(name);
        profiles.currentProfile()->addScore(static_cast<std::uint32_t>(size));
        profiles.deleteProfile(name);
        profiles.deleteProfile(profiles.profileAt(0) ? profiles.profileAt(0)->name() : "");
    }
    return 0;
}
