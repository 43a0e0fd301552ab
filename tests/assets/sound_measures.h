#pragma once

#include "asset_files.h"

namespace asset_tests {

// Largest magnitude of any sample.
int peak(const Sound& s);

double seconds(const Sound& s);

// First sample from `from` seconds on louder than the given fraction of full scale, in seconds; the
// sound's length if none.
double onset(const Sound& s, double fraction, double from = 0.0);

// Root mean square of the samples from `from` to `to` seconds.
double rms(const Sound& s, double from, double to);

}  // namespace asset_tests
