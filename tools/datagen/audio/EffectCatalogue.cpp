#include "audio/EffectCatalogue.h"

#include "audio/Dynamics.h"
#include "audio/EngineSounds.h"
#include "audio/ExplosionSounds.h"
#include "audio/Loudness.h"
#include "audio/Mixer.h"
#include "audio/SignalSounds.h"
#include "audio/WeaponSounds.h"

namespace datagen::audio {

namespace {

constexpr double kCeilingDb = -1.0;

// Helicopters, from the light scout to the heavy transport; each has its own rotor rhythm.
RotorDesign scoutHelicopter()
{
    RotorDesign d;
    d.seed = 11;
    d.bladeRate = 19.0;
    d.sharpness = 7.0;
    d.thumpFrequency = 95.0;
    d.thumpLevel = 0.6f;
    d.chopLow = 400.0;
    d.chopHigh = 2200.0;
    d.chopLevel = 0.7f;
    d.whine = 3400.0;
    d.whineLevel = 0.02f;
    d.tailRate = 105.0;
    d.tailLevel = 0.08f;
    d.rumbleLevel = 0.12f;
    return d;
}

RotorDesign gunshipHelicopter()
{
    RotorDesign d;
    d.seed = 12;
    d.bladeRate = 12.5;
    d.sharpness = 6.0;
    d.thumpFrequency = 62.0;
    d.thumpLevel = 1.0f;
    d.chopLow = 150.0;
    d.chopHigh = 1000.0;
    d.chopLevel = 0.55f;
    d.crackLevel = 0.25f;
    d.whine = 2350.0;
    d.whineLevel = 0.02f;
    d.rumbleLevel = 0.25f;
    return d;
}

RotorDesign transportHelicopter()
{
    RotorDesign d;
    d.seed = 13;
    d.bladeRate = 9.5;
    d.secondRotorRate = 10.0; // tandem rotors drift in and out of step
    d.sharpness = 4.5;
    d.thumpFrequency = 46.0;
    d.thumpLevel = 1.0f;
    d.chopLow = 90.0;
    d.chopHigh = 600.0;
    d.chopLevel = 0.5f;
    d.whine = 1480.0;
    d.whineLevel = 0.018f;
    d.rumbleLevel = 0.4f;
    return d;
}

RotorDesign attackHelicopter()
{
    RotorDesign d;
    d.seed = 14;
    d.bladeRate = 16.5;
    d.sharpness = 9.0;
    d.thumpFrequency = 78.0;
    d.thumpLevel = 0.8f;
    d.chopLow = 250.0;
    d.chopHigh = 1500.0;
    d.chopLevel = 0.5f;
    d.crackLevel = 0.6f;
    d.whine = 4200.0;
    d.whineLevel = 0.025f;
    d.tailRate = 82.0;
    d.tailLevel = 0.12f;
    d.rumbleLevel = 0.2f;
    return d;
}

// Planes: a piston fighter, a twin-engine bomber, a jet fighter and a heavy jet.
PistonDesign propFighter()
{
    PistonDesign d;
    d.seed = 21;
    d.firingRate = 52.0;
    d.propRate = 104.0;
    d.propLevel = 0.3f;
    d.brightness = 1100.0;
    d.roughness = 0.3f;
    d.windLevel = 0.2f;
    return d;
}

PistonDesign twinBomber()
{
    PistonDesign d;
    d.seed = 22;
    d.firingRate = 36.0;
    d.secondEngine = 37.5; // the two engines beat one and a half times a second
    d.propRate = 72.0;
    d.propLevel = 0.25f;
    d.brightness = 620.0;
    d.roughness = 0.2f;
    d.windLevel = 0.12f;
    return d;
}

JetDesign jetFighter()
{
    JetDesign d;
    d.seed = 23;
    d.roarLow = 150.0;
    d.roarHigh = 3500.0;
    d.whine = 5200.0;
    d.whineLevel = 0.07f;
    d.rumbleLevel = 0.2f;
    d.howlRate = 1.0;
    d.howlDepth = 0.12f;
    return d;
}

JetDesign heavyJet()
{
    JetDesign d;
    d.seed = 24;
    d.roarLow = 50.0;
    d.roarHigh = 900.0;
    d.whine = 1250.0;
    d.whineBeat = 3.5;
    d.whineLevel = 0.06f;
    d.rumbleLevel = 0.5f;
    d.howlRate = 0.5;
    d.howlDepth = 0.2f;
    return d;
}

// The player's own engine is heard all the time: a smooth, unobtrusive turbine.
JetDesign playerEngine()
{
    JetDesign d;
    d.seed = 25;
    d.roarLow = 100.0;
    d.roarHigh = 1400.0;
    d.roarLevel = 0.8f;
    d.whine = 2900.0;
    d.whineBeat = 1.5;
    d.whineLevel = 0.03f;
    d.rumbleLevel = 0.3f;
    d.howlRate = 0.5;
    d.howlDepth = 0.08f;
    return d;
}

ExplosionDesign helicopterExplosion()
{
    ExplosionDesign d;
    d.seed = 31;
    d.seconds = 2.3;
    d.bodyDecay = 1.1;
    d.metalHits = 7;
    d.metalLevel = 0.35f;
    d.debrisCount = 40;
    d.secondaries = {0.28};
    return d;
}

ExplosionDesign planeExplosion()
{
    ExplosionDesign d;
    d.seed = 32;
    d.seconds = 2.8;
    d.bodyDecay = 1.6;
    d.bodyBright = 5500.0;
    d.bodyDark = 450.0;
    d.thumpFrom = 95.0;
    d.thumpTo = 34.0;
    d.thumpDecay = 0.8;
    d.rumbleDecay = 2.2;
    d.debrisCount = 70;
    d.debrisSpan = 1.6;
    d.debrisLevel = 0.3f;
    d.secondaries = {0.42};
    return d;
}

ExplosionDesign boatExplosion(std::uint64_t seed, double seconds, double weight,
                              std::vector<double> secondaries)
{
    ExplosionDesign d;
    d.seed = seed;
    d.seconds = seconds;
    d.bodyDecay = 0.6 + 0.6 * weight;
    d.bodyBright = 4500.0 - 1500.0 * weight;
    d.bodyDark = 320.0 - 120.0 * weight;
    d.thumpFrom = 120.0 - 40.0 * weight;
    d.thumpTo = 42.0 - 10.0 * weight;
    d.thumpDecay = 0.45 + 0.5 * weight;
    d.rumbleDecay = 1.0 + 1.6 * weight;
    d.rumbleLevel = static_cast<float>(0.35 + 0.4 * weight);
    d.debrisCount = 25;
    d.splashLevel = static_cast<float>(0.45 + 0.15 * weight);
    d.splashDecay = 0.9 + 0.8 * weight;
    d.secondaries = std::move(secondaries);
    return d;
}

ExplosionDesign missileExplosion()
{
    ExplosionDesign d;
    d.seed = 36;
    d.seconds = 1.1;
    d.crackLevel = 0.9f;
    d.bodyDecay = 0.45;
    d.bodyBright = 6000.0;
    d.bodyDark = 500.0;
    d.thumpFrom = 150.0;
    d.thumpTo = 50.0;
    d.thumpDecay = 0.3;
    d.rumbleDecay = 0.7;
    d.rumbleLevel = 0.25f;
    d.debrisCount = 12;
    d.debrisSpan = 0.3;
    d.drive = 2.0f;
    return d;
}

Signal masterOneShot(Signal signal, double peakDb)
{
    normaliseToPeak(signal, peakDb);
    return signal;
}

Signal masterSustained(Signal signal, double loudness, bool loop)
{
    applyGain(signal, static_cast<float>(fromDecibels(loudness - loudnessOf(signal))));
    LimiterSettings settings;
    settings.ceiling = static_cast<float>(fromDecibels(kCeilingDb - 0.3));
    settings.circular = loop;
    limit(signal, settings);
    return signal;
}

std::vector<EffectRecipe> buildCatalogue()
{
    auto loop = [](std::string path, std::function<Signal()> render, double loudness) {
        EffectRecipe recipe;
        recipe.path = std::move(path);
        recipe.loop = true;
        recipe.render = std::move(render);
        recipe.loudness = loudness;
        return recipe;
    };
    auto sustained = [](std::string path, std::function<Signal()> render, double loudness) {
        EffectRecipe recipe;
        recipe.path = std::move(path);
        recipe.render = std::move(render);
        recipe.loudness = loudness;
        return recipe;
    };
    auto shot = [](std::string path, std::function<Signal()> render, double peakDb) {
        EffectRecipe recipe;
        recipe.path = std::move(path);
        recipe.render = std::move(render);
        recipe.peakDb = peakDb;
        return recipe;
    };
    // Levels: blasts are the loudest events, at the ceiling. Engines and missiles in flight sit
    // well below them, the player's own engine (always on) lower still. The cannon fires about
    // fifteen times a second and bullets hitting a boat come as fast, so both are set low: a
    // stream of shots reads about -18 LUFS, as loud as an engine close by.
    return {
        loop(
            "sounds/helic1.ogg", [] { return renderRotor(scoutHelicopter()); }, -19.0),
        loop(
            "sounds/helic2.ogg", [] { return renderRotor(gunshipHelicopter()); }, -19.0),
        loop(
            "sounds/helic3.ogg", [] { return renderRotor(transportHelicopter()); }, -19.0),
        loop(
            "sounds/helic4.ogg", [] { return renderRotor(attackHelicopter()); }, -19.0),
        shot(
            "sounds/helic_expl.ogg", [] { return renderExplosion(helicopterExplosion()); }, kCeilingDb),
        loop(
            "sounds/plane1.ogg", [] { return renderPiston(propFighter()); }, -19.0),
        loop(
            "sounds/plane2.ogg", [] { return renderPiston(twinBomber()); }, -19.0),
        loop(
            "sounds/plane3.ogg", [] { return renderJet(jetFighter()); }, -19.0),
        loop(
            "sounds/plane4.ogg", [] { return renderJet(heavyJet()); }, -19.0),
        shot(
            "sounds/plane_expl.ogg", [] { return renderExplosion(planeExplosion()); }, kCeilingDb),
        shot("sounds/boat_hit.ogg", renderBoatHit, -7.0),
        shot(
            "sounds/boat_expl1.ogg", [] { return renderExplosion(boatExplosion(33, 1.9, 0.0, {})); },
            kCeilingDb),
        shot(
            "sounds/boat_expl2.ogg", [] { return renderExplosion(boatExplosion(34, 2.4, 0.5, {0.3})); },
            kCeilingDb),
        shot(
            "sounds/boat_expl3.ogg",
            [] {
                return renderExplosion(boatExplosion(35, 3.2, 1.0, {0.25, 0.7}));
            },
            kCeilingDb),
        shot("sounds/bonus.ogg", renderBonusChime, -4.0),
        shot("sounds/addlife.ogg", renderExtraLifeJingle, -4.0),
        loop(
            "sounds/player_plane.ogg", [] { return renderJet(playerEngine()); }, -22.0),
        sustained("sounds/player_missile.ogg", renderPlayerMissile, -20.0),
        shot("sounds/player_bullet.ogg", renderCannon, -8.0),
        shot(
            "sounds/player_missile_expl.ogg", [] { return renderExplosion(missileExplosion()); }, -2.0),
        shot("sounds/player_hit_small.ogg", renderPlayerHitSmall, -3.0),
        shot("sounds/player_hit_big.ogg", renderPlayerHitBig, kCeilingDb),
        sustained("sounds/tank_missile.ogg", renderEnemyRocket, -21.0),
        shot("sounds/arc9.ogg", renderWeldingArc, kCeilingDb),
    };
}

} // namespace

const std::vector<EffectRecipe>& effectCatalogue()
{
    static const std::vector<EffectRecipe> catalogue = buildCatalogue();
    return catalogue;
}

Signal renderEffect(const EffectRecipe& recipe)
{
    return recipe.loudness < 0.0 ? masterSustained(recipe.render(), recipe.loudness, recipe.loop)
                                 : masterOneShot(recipe.render(), recipe.peakDb);
}

} // namespace datagen::audio
