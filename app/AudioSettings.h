#pragma once

namespace NVolant {

// The player's audio settings as the application applies them at start-up and takes them back at
// exit, from and back into the save file.
struct AudioSettings {
    int soundVolume = 100;
    int musicVolume = 100;
    bool invertStereo = false;
};

} // namespace NVolant
