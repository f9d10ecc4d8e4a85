#pragma once

#include "audio/AudioBuffer.h"

#include <cstddef>

namespace datagen::audio {

// Adds src into dst from sample `offset` on, scaled by gain; dst grows when src runs past its end.
void mixInto(Signal& dst, const Signal& src, std::size_t offset, float gain);
// The same into two channels with an equal-power pan (-1 left .. 1 right).
void mixInto(StereoBuffer& dst, const Signal& src, std::size_t offset, float gain, float pan);

void applyGain(Signal& signal, float gain);
void applyGain(StereoBuffer& buffer, float gain);
// Raised-cosine fades over the first or last `length` samples.
void fadeIn(Signal& signal, std::size_t length);
void fadeOut(Signal& signal, std::size_t length);
// Removes a constant offset (synthesised noise and asymmetric shapers leave one).
void removeDc(Signal& signal);

// Folds everything after loopLength (reverb tails, releases of the last notes) back over the
// start and cuts the buffer to loopLength: played in a loop, the tail rings on into the start as
// it would in a continuous performance.
void wrapTail(StereoBuffer& buffer, std::size_t loopLength);

} // namespace datagen::audio
