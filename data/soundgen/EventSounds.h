#pragma once
// The fifteen default event sounds: what each one sounds like, by the
// meaning of its event (see settings/Sounds.h for the events).

#include <cstdint>
#include <vector>

constexpr int EventSoundCount = 15;

// The samples of event Index (0..14) at SampleRate, mono.
std::vector<int16_t> EventSoundSamples(int Index);
