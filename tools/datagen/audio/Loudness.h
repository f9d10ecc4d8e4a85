#pragma once

#include "audio/AudioBuffer.h"

namespace datagen::audio {

// Level measurements used to master the output. Loudness is the integrated, gated loudness of
// ITU-R BS.1770 (K-weighted, 400 ms blocks, absolute gate at -70 LUFS, relative gate at -10 LU);
// a signal shorter than one block is measured as one block.
float peakOf(const Signal& signal);
float peakOf(const StereoBuffer& buffer);
double loudnessOf(const Signal& signal);
double loudnessOf(const StereoBuffer& buffer);

double toDecibels(double linear);
double fromDecibels(double decibels);

// Scales so that the highest sample sits at the given level; silence is left alone.
void normaliseToPeak(Signal& signal, double peakDb);
void normaliseToPeak(StereoBuffer& buffer, double peakDb);

} // namespace datagen::audio
