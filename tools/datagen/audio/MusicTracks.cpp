#include "audio/MusicTracks.h"

#include "audio/MusicPatches.h"

namespace datagen::audio {

namespace {

Section section(std::string name, std::vector<std::string> chords, int melody, int drums)
{
    Section s;
    s.name = std::move(name);
    s.chords = std::move(chords);
    s.melody = melody;
    s.drums = drums;
    return s;
}

PartMix mix(float gain, float pan, float reverb, float echo = 0.0f, float spread = 0.0f, bool ducked = false)
{
    PartMix m;
    m.gain = gain;
    m.pan = pan;
    m.reverb = reverb;
    m.echo = echo;
    m.spread = spread;
    m.ducked = ducked;
    return m;
}

} // namespace

TrackStyle menuTheme()
{
    TrackStyle t;
    t.seed = 100;
    t.bpm = 96.0;
    t.scale = Scale::minor(62);
    const std::vector<std::string> verse{"i", "bVI", "bIII", "bVII", "i", "bVI", "iv", "V"};
    Section intro = section("intro", {"i", "bVI", "bIII", "bVII"}, 0, -1);
    intro.comp = false;
    intro.bass = false;
    intro.arp = true;
    intro.crash = false;
    intro.intensity = 0.8f;
    Section a = section("theme", verse, 1, 0);
    a.comp = false;
    Section b = section("second theme", {"bVI", "bVII", "i", "i", "bVI", "bVII", "V", "V"}, 2, 1);
    Section a2 = section("theme again", verse, 1, 1);
    a2.harmony = true;
    a2.arp = true;
    Section bridge = section("bridge", {"iv", "bVII", "bIII", "bVI", "iv", "bVII", "V", "V"}, 0, 0);
    bridge.arp = true;
    bridge.intensity = 0.85f;
    Section a3 = section("theme high", verse, 1, 1);
    a3.melodyOctave = 1;
    a3.arp = true;
    Section outro = section("outro", {"i", "bVI", "iv", "V"}, 0, 0);
    outro.arp = true;
    outro.intensity = 0.85f;
    t.sections = {intro, a, b, a2, bridge, a3, outro};

    t.drumPatterns = {
        {"x.......x.......", "....o.......o...", "", "", "x.o.x.o.x.o.x.o.", Drum::Shaker},
        {"x.....x.x.......", "....x.......x...", "x.x.x.x.x.x.x.x.", "..............x.", "", Drum::Shaker},
    };
    t.kit.seed = 101;
    t.kit.kickFrom = 120.0;
    t.kit.kickTo = 45.0;
    t.kit.kickDecay = 0.5;
    t.kit.kickClick = 0.2f;
    t.kit.snareDecay = 0.3;
    t.kit.snareBright = 5000.0;
    t.kit.crashDecay = 2.5;

    t.bassRhythm = "r-------r---f---";
    t.bassLow = 36;
    t.bassHigh = 47;
    t.compRhythm = "x-------x-------";
    t.compCentre = 62;
    t.padCentre = 60;
    t.themeRhythmA = "x-----x-x---x---x-------x-x-----";
    t.themeRhythmB = "x---x---x---x---x-----x-x-------";
    t.cadenceRhythm = "x---x---x---x---x---------------";
    t.melodyCentre = 72;
    t.arpPattern = "0120312021303120";
    t.arpCentre = 74;

    t.lead = patches::squareLead();
    t.lead.cutoff = 1500.0;
    t.lead.amp = {0.04, 0.3, 0.8, 0.3};
    t.bass = patches::subBass();
    t.pad = patches::warmPad();
    t.comp = patches::electricPiano();
    t.arp = patches::bellArp();
    t.leadMix = mix(0.14f, 0.0f, 0.3f, 0.25f);
    t.bassMix = mix(0.31f, 0.0f, 0.05f);
    t.padMix = mix(0.12f, 0.0f, 0.4f, 0.0f, 0.5f);
    t.compMix = mix(0.094f, -0.2f, 0.3f);
    t.arpMix = mix(0.117f, 0.25f, 0.35f, 0.3f, 0.4f);
    t.drumMix = mix(0.64f, 0.0f, 0.15f);
    t.reverb = {0.88f, 0.5f, 1.0f};
    t.echoBeats = 0.75;
    t.echoFeedback = 0.35f;
    return t;
}

TrackStyle riverRock()
{
    TrackStyle t;
    t.seed = 200;
    t.bpm = 150.0;
    t.scale = Scale::minor(64);
    const std::vector<std::string> verse{"i", "bVI", "bIII", "bVII", "i", "bVI", "iv", "V"};
    const std::vector<std::string> chorus{"bVI", "bVII", "i", "i", "bVI", "bVII", "V", "V"};
    Section intro = section("intro", {"i", "i", "bVI", "bVII"}, 0, 1);
    intro.pad = false;
    Section a = section("verse", verse, 1, 0);
    a.pad = false;
    Section a2 = section("verse 2", verse, 1, 0);
    a2.harmony = true;
    Section b = section("chorus", chorus, 2, 2);
    Section brk = section("break", {"iv", "iv", "i", "i", "bVI", "bVI", "V", "V"}, 0, 3);
    brk.comp = false;
    brk.arp = true;
    brk.intensity = 0.9f;
    Section b2 = section("chorus 2", chorus, 2, 2);
    b2.harmony = true;
    Section a3 = section("verse 3", verse, 1, 2);
    a3.harmony = true;
    Section outro = section("turnaround", {"i", "bVI", "bVII", "V"}, 0, 0);
    t.sections = {intro, a, a2, b, brk, b2, a3, a, outro};
    t.sections[7].name = "last verse";
    t.sections[7].melodyOctave = 1;
    t.sections[7].drums = 2;

    t.drumPatterns = {
        {"x.....x.x.......", "....x.......x...", "x.x.x.x.x.x.x.x.", "", "", Drum::Shaker},
        {"x.......x.......", "", "x.x.x.x.x.x.x.x.", "", "", Drum::Shaker},
        {"x.x...x.x.x...x.", "....x.......x..o", "x.x.x.x.x.x.x.x.", "..............x.", "", Drum::Shaker},
        {"x.........x.....", "........x.......", "x.x.x.x.x.x.x.x.", "", "", Drum::Shaker},
    };
    t.kit.seed = 201;
    t.kit.kickFrom = 160.0;
    t.kit.kickTo = 52.0;
    t.kit.kickDecay = 0.35;
    t.kit.kickClick = 0.6f;
    t.kit.kickDrive = 2.0f;
    t.kit.snareTone = 200.0;
    t.kit.snareDecay = 0.25;
    t.kit.snareBody = 0.7f;
    t.kit.tomPitch = 100.0;

    t.bassRhythm = "r-r-r-r-r-r-r-a-";
    t.bassLow = 35;
    t.bassHigh = 46;
    t.compRhythm = "x-x-x-x-x-x-x-x-";
    t.compCentre = 55;
    t.compVoices = 3;
    t.padCentre = 64;
    t.themeRhythmA = "x-x-x-x-x---x-x-x-x-x-x-x-------";
    t.themeRhythmB = "x---x---x-x-x---x---x---x-x-x---";
    t.cadenceRhythm = "x-x-x-x-x---x---x---------------";
    t.melodyCentre = 74;
    t.arpPattern = "0123012301230123";
    t.arpCentre = 72;

    t.lead = patches::sawLead();
    t.bass = patches::driveBass();
    t.pad = patches::stringPad();
    t.comp = patches::chug();
    t.arp = patches::pluckArp();
    t.leadMix = mix(0.21f, 0.0f, 0.2f, 0.15f);
    t.bassMix = mix(0.28f, 0.0f, 0.0f);
    t.padMix = mix(0.07f, 0.0f, 0.3f, 0.0f, 0.5f);
    t.compMix = mix(0.087f, 0.0f, 0.1f, 0.0f, 0.6f);
    t.arpMix = mix(0.15f, 0.2f, 0.2f, 0.3f, 0.5f);
    t.drumMix = mix(0.65f, 0.0f, 0.1f);
    t.reverb = {0.7f, 0.5f, 1.0f};
    t.echoBeats = 0.75;
    t.echoFeedback = 0.3f;
    return t;
}

TrackStyle synthChase()
{
    TrackStyle t;
    t.seed = 300;
    t.bpm = 164.0;
    t.scale = Scale::minor(57);
    const std::vector<std::string> verse{"i", "bVII", "bVI", "bVII", "i", "bVII", "bVI", "V"};
    const std::vector<std::string> chorus{"bVI", "bIII", "bVII", "i", "bVI", "bIII", "iv", "V"};
    Section intro = section("intro", verse, 0, 1);
    intro.arp = true;
    intro.comp = false;
    Section a = section("theme", verse, 1, 0);
    Section a2 = section("theme 2", verse, 1, 0);
    a2.harmony = true;
    a2.arp = true;
    Section b = section("chorus", chorus, 2, 0);
    b.arp = true;
    Section brk = section("breakdown", {"iv", "iv", "bVI", "bVI", "iv", "iv", "V", "V"}, 0, 2);
    brk.bass = false;
    brk.comp = false;
    brk.arp = true;
    brk.crash = false;
    Section a3 = section("theme 3", verse, 1, 0);
    a3.harmony = true;
    Section b2 = section("chorus 2", chorus, 2, 0);
    b2.harmony = true;
    b2.arp = true;
    Section a4 = section("theme high", verse, 1, 0);
    a4.melodyOctave = 1;
    a4.arp = true;
    Section outro = section("turnaround", {"i", "bVII", "bVI", "V"}, 0, 0);
    outro.arp = true;
    t.sections = {intro, a, a2, b, brk, a3, b2, a4, outro};

    t.drumPatterns = {
        {"x...x...x...x...", "....x.......x...", "oo.ooo.ooo.ooo.o", "..x...x...x...x.", "....x.......x...",
         Drum::Clap},
        {"x...x...x...x...", "", "oooooooooooooooo", "", "", Drum::Clap},
        {"", "....x.......x...", "oooooooooooooooo", "..x...x...x...x.", "", Drum::Clap},
    };
    t.kit.seed = 301;
    t.kit.kickFrom = 180.0;
    t.kit.kickTo = 46.0;
    t.kit.kickDecay = 0.3;
    t.kit.kickClick = 0.4f;
    t.kit.kickDrive = 2.5f;
    t.kit.snareTone = 230.0;
    t.kit.snareDecay = 0.18;
    t.kit.snareBright = 9000.0;
    t.kit.hatBright = 9500.0;
    t.kit.hatDecay = 0.035;
    t.kit.openHatDecay = 0.18;

    t.bassRhythm = "r.o.r.o.r.o.r.o.";
    t.bassLow = 33;
    t.bassHigh = 44;
    t.compRhythm = "..x...x...x...x.";
    t.compCentre = 66;
    t.padCentre = 62;
    t.themeRhythmA = "x--x--x-x--x--x-x-x-x-x-x-------";
    t.themeRhythmB = "x-------x--x--x-x-------x-x-x-x-";
    t.cadenceRhythm = "x--x--x-x--x--x-x---------------";
    t.melodyCentre = 72;
    t.arpPattern = "0123452301234523";
    t.arpCentre = 69;

    t.lead = patches::squareLead();
    t.bass = patches::pumpBass();
    t.pad = patches::warmPad();
    t.pad.cutoff = 1400.0;
    t.comp = patches::stab();
    t.arp = patches::pluckArp();
    t.leadMix = mix(0.165f, 0.0f, 0.2f, 0.25f);
    t.bassMix = mix(0.38f, 0.0f, 0.0f, 0.0f, 0.0f, true);
    t.padMix = mix(0.09f, 0.0f, 0.3f, 0.0f, 0.6f, true);
    t.compMix = mix(0.164f, 0.0f, 0.2f, 0.2f, 0.4f, true);
    t.arpMix = mix(0.133f, 0.0f, 0.2f, 0.25f, 0.6f, true);
    t.drumMix = mix(0.67f, 0.0f, 0.08f);
    t.reverb = {0.75f, 0.4f, 1.0f};
    t.echoBeats = 0.75;
    t.echoFeedback = 0.35f;
    t.duckDepth = 0.45f;
    return t;
}

TrackStyle breakbeatFunk()
{
    TrackStyle t;
    t.seed = 400;
    t.bpm = 126.0;
    t.swing = 0.14;
    t.scale = Scale::dorian(55);
    const std::vector<std::string> verse{"i7", "IV7", "i7", "IV7", "i7", "IV7", "bVII", "V7"};
    const std::vector<std::string> chorus{"bIII", "IV", "i7", "i7", "bIII", "IV", "V7", "V7"};
    Section intro = section("intro", {"i7", "IV7", "i7", "IV7"}, 0, 0);
    intro.pad = false;
    Section a = section("theme", verse, 1, 0);
    a.pad = false;
    Section b = section("chorus", chorus, 2, 0);
    Section a2 = section("theme 2", verse, 1, 0);
    a2.harmony = true;
    Section brk = section("break", {"iv7", "iv7", "i7", "i7", "iv7", "iv7", "V7", "V7"}, 0, 1);
    brk.comp = false;
    brk.arp = true;
    Section b2 = section("chorus 2", chorus, 2, 0);
    b2.harmony = true;
    Section a3 = section("theme 3", verse, 1, 0);
    a3.harmony = true;
    a3.arp = true;
    Section outro = section("turnaround", {"i7", "IV7", "bVII", "V7"}, 0, 0);
    t.sections = {intro, a, b, a2, brk, b2, a3, outro};

    t.drumPatterns = {
        {"x.....x...x..x..", "....x..o.o..x..o", "xoxoxoxoxoxoxoxo", "", "", Drum::Shaker},
        {"x.........x.....", "....x.......x...", "x.x.x.x.x.x.x.x.", "", "oooooooooooooooo", Drum::Shaker},
    };
    t.kit.seed = 401;
    t.kit.kickFrom = 140.0;
    t.kit.kickTo = 50.0;
    t.kit.kickDecay = 0.32;
    t.kit.kickClick = 0.5f;
    t.kit.snareTone = 180.0;
    t.kit.snareDecay = 0.16;
    t.kit.snareBody = 0.6f;
    t.kit.snareBright = 8000.0;
    t.kit.hatDecay = 0.04;

    t.bassRhythm = "r-.r..o.r.f.o.a.";
    t.bassLow = 31;
    t.bassHigh = 43;
    t.compRhythm = ".x.x..x..x.x..x.";
    t.compCentre = 65;
    t.compVoices = 4;
    t.padCentre = 62;
    t.themeRhythmA = "x-.x.x-.x---..x.x-.x.x-.x-------";
    t.themeRhythmB = "x---x-x-..x-x---x---x-x-..x-x---";
    t.cadenceRhythm = "x-.x.x-.x---x---x---------------";
    t.melodyCentre = 70;
    t.arpPattern = "0.12.30.21.3.01.";
    t.arpCentre = 70;

    t.lead = patches::brassLead();
    t.bass = patches::slapBass();
    t.pad = patches::warmPad();
    t.pad.cutoff = 1100.0;
    t.comp = patches::clav();
    t.arp = patches::electricPiano();
    t.leadMix = mix(0.28f, 0.0f, 0.22f, 0.12f);
    t.bassMix = mix(0.375f, 0.0f, 0.0f);
    t.padMix = mix(0.084f, 0.0f, 0.35f, 0.0f, 0.5f);
    t.compMix = mix(0.1f, 0.25f, 0.15f, 0.0f, 0.3f);
    t.arpMix = mix(0.17f, -0.2f, 0.3f, 0.2f, 0.3f);
    t.drumMix = mix(0.84f, 0.0f, 0.12f);
    t.reverb = {0.65f, 0.45f, 1.0f};
    t.echoBeats = 0.5;
    t.echoFeedback = 0.3f;
    return t;
}

TrackStyle skyAnthem()
{
    TrackStyle t;
    t.seed = 500;
    t.bpm = 140.0;
    t.scale = Scale::major(60);
    const std::vector<std::string> verse{"I", "V", "vi", "IV", "I", "V", "IV", "V"};
    const std::vector<std::string> chorus{"vi", "IV", "I", "V", "vi", "IV", "bVII", "V"};
    Section intro = section("intro", {"I", "bVII", "IV", "I", "I", "bVII", "IV", "V"}, 0, 1);
    intro.arp = true;
    Section a = section("theme", verse, 1, 0);
    Section a2 = section("theme 2", verse, 1, 0);
    a2.harmony = true;
    Section b = section("chorus", chorus, 2, 1);
    Section brk = section("break", {"IV", "IV", "I", "I", "bVI", "bVII", "V", "V"}, 0, 2);
    brk.comp = false;
    brk.arp = true;
    brk.intensity = 0.9f;
    Section a3 = section("theme 3", verse, 1, 0);
    a3.harmony = true;
    a3.arp = true;
    Section b2 = section("chorus 2", chorus, 2, 1);
    b2.harmony = true;
    Section outro = section("turnaround", {"I", "bVII", "IV", "V"}, 0, 1);
    t.sections = {intro, a, a2, b, brk, a3, b2, outro};

    t.drumPatterns = {
        {"x.....x.x.x.....", "....x.......x...", "x.x.x.x.x.x.x.x.", "", "..........x.x...", Drum::TomLow},
        {"x...x...x...x...", "....x..o....x.oo", "x.x.x.x.x.x.x.x.", "", "", Drum::TomLow},
        {"x.........x.....", "........x.......", "x.x.x.x.x.x.x.x.", "", "", Drum::TomLow},
    };
    t.kit.seed = 501;
    t.kit.kickFrom = 150.0;
    t.kit.kickTo = 50.0;
    t.kit.kickDecay = 0.4;
    t.kit.kickClick = 0.45f;
    t.kit.snareTone = 210.0;
    t.kit.snareDecay = 0.28;
    t.kit.snareBody = 0.6f;
    t.kit.tomPitch = 90.0;
    t.kit.crashDecay = 2.2;

    t.bassRhythm = "r-rrr-rrr-rrr-rr";
    t.bassLow = 36;
    t.bassHigh = 47;
    t.compRhythm = "x--x--x-x--x--x-";
    t.compCentre = 64;
    t.padCentre = 60;
    t.themeRhythmA = "x-----x-x-x-x---x-----x-x-x-x---";
    t.themeRhythmB = "x---x---x-x-x-x-x-------x-x-x---";
    t.cadenceRhythm = "x-----x-x---x---x---------------";
    t.melodyCentre = 74;
    t.arpPattern = "0123231201232312";
    t.arpCentre = 76;

    t.lead = patches::brassLead();
    t.lead.cutoff = 900.0;
    t.bass = patches::driveBass();
    t.bass.drive = 1.4f;
    t.pad = patches::stringPad();
    t.comp = patches::stab();
    t.comp.amp = {0.004, 0.15, 0.5, 0.1};
    t.arp = patches::bellArp();
    t.leadMix = mix(0.25f, 0.0f, 0.25f, 0.15f);
    t.bassMix = mix(0.27f, 0.0f, 0.0f);
    t.padMix = mix(0.084f, 0.0f, 0.35f, 0.0f, 0.5f);
    t.compMix = mix(0.096f, 0.0f, 0.2f, 0.0f, 0.4f);
    t.arpMix = mix(0.1f, 0.3f, 0.3f, 0.25f, 0.4f);
    t.drumMix = mix(0.73f, 0.0f, 0.14f);
    t.reverb = {0.8f, 0.45f, 1.0f};
    t.echoBeats = 0.75;
    t.echoFeedback = 0.3f;
    return t;
}

} // namespace datagen::audio
