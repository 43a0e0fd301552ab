#pragma once

#include "platform/audio_mixer.h"

#include <string>

// Reads a sound file into the mixer's format, at most its first 30 seconds. Gives nothing for a
// path that is not a regular file, a file that is no sound, or one without a single frame.
SharedSound readSoundFile(const std::string& path);
