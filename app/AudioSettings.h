#pragma once

namespace NVolant {

// The player's audio settings as the application applies them at start-up and takes them back at
// exit; the saved settings fill them in before start-up and store them afterwards.
struct AudioSettings {
    int soundVolume = 100;
    int musicVolume = 100;
    bool invertStereo = false;
};

} // namespace NVolant
