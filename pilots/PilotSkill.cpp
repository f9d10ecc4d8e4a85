#include "pilots/PilotSkill.h"

namespace NVolant {

// Where the numbers come from:
// - Reaction: a simple visual reaction is about 200-250 ms; picking what to do about one of
//   several things on a busy screen takes a newcomer 350-450 ms and a practised player little
//   more than the simple reaction. Novice 400, average 280, expert 200 ms.
// - Threats in mind: people follow about four moving objects at once, fewer when the task is
//   new to them and somewhat more with practice: 2, 4 and 6.
// - Aim: the sight helps only once locked; before that a newcomer misjudges a target's line by
//   up to about a plane's half-width (30 px), a regular player by half that, an expert by a third.
// - Hand: a fast, aimed mouse move covers about 1000-2000 logical pixels a second on this
//   game's 800 x 600 picture (a desk mouse at common sensitivity on a 1080p screen); 15, 24 and
//   33 px per 60 Hz frame, with tremor and overshoot of 12, 7 and 4 px.
// - Missiles: newcomers forget them except for the obvious case (a bridge); regulars also fire
//   into crowds; experts use them as the ace does.
const PilotSkill& PilotSkill::ace()
{
    static const PilotSkill s{.name = "ace"};
    return s;
}

const PilotSkill& PilotSkill::expert()
{
    static const PilotSkill s{.name = "expert",
                              .reactionMs = 200.0f,
                              .threatsInMind = 6,
                              .aimErrorPx = 10.0f,
                              .tremorPx = 4.0f,
                              .handPxPerFrame = 33.0f,
                              .missileCrowd = 3,
                              .missilesAtStrongTargets = true};
    return s;
}

const PilotSkill& PilotSkill::average()
{
    static const PilotSkill s{.name = "average",
                              .reactionMs = 280.0f,
                              .threatsInMind = 4,
                              .aimErrorPx = 16.0f,
                              .tremorPx = 7.0f,
                              .handPxPerFrame = 24.0f,
                              .missileCrowd = 4,
                              .missilesAtStrongTargets = false};
    return s;
}

const PilotSkill& PilotSkill::novice()
{
    static const PilotSkill s{.name = "novice",
                              .reactionMs = 400.0f,
                              .threatsInMind = 2,
                              .aimErrorPx = 30.0f,
                              .tremorPx = 12.0f,
                              .handPxPerFrame = 15.0f,
                              .missileCrowd = 0,
                              .missilesAtStrongTargets = false};
    return s;
}

const PilotSkill* PilotSkill::named(std::string_view name)
{
    for (const PilotSkill* s : {&novice(), &average(), &expert(), &ace()})
        if (s->name == name)
            return s;
    return nullptr;
}

std::vector<std::string_view> PilotSkill::names()
{
    return {novice().name, average().name, expert().name, ace().name};
}

} // namespace NVolant
