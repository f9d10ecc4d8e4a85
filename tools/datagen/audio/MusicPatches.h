#pragma once

#include "audio/Instrument.h"

namespace datagen::audio {

// The instrument sounds the pieces share, as starting points that each piece adjusts.
namespace patches {

Patch subBass();       // round, for calm pieces
Patch driveBass();     // gritty saw bass for rock
Patch pumpBass();      // short, bright synthesiser bass
Patch slapBass();      // plucky, resonant funk bass
Patch warmPad();       // slow detuned saws
Patch stringPad();     // brighter ensemble with vibrato
Patch chug();          // distorted rhythm chords
Patch stab();          // short synthesiser chord stabs
Patch clav();          // percussive pulse-wave keys
Patch electricPiano(); // FM keys
Patch bellArp();       // FM bells for arpeggios
Patch pluckArp();      // filtered saw plucks
Patch squareLead();    // hollow lead with vibrato
Patch sawLead();       // cutting lead for rock
Patch brassLead();     // swelling brass

} // namespace patches

} // namespace datagen::audio
