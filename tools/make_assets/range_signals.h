#pragma once

#include <cstdint>
#include <vector>

namespace assets {

// The range's signals, as an electronic beeper gives them: pure tones that reach full loudness in
// half a millisecond from the first sample, so that a recording times their start to the
// millisecond, and end without a click.

// The command ("ЗАРЕДИ", "ВНИМАНИЕ"): one short high beep, 1600 Hz for 0.15 s.
std::vector<std::int16_t> commandSignal();

// The start: a longer tone rising an octave, from 600 to 1200 Hz over 0.5 s.
std::vector<std::int16_t> startSignal();

// The stop: two low beeps of 440 Hz, 0.15 s each, the second 0.25 s after the first; 0.4 s in all.
std::vector<std::int16_t> stopSignal();

}  // namespace assets
