#pragma once

#include "platform/audio_mixer.h"
#include "platform/qt/sound/mixing_device.h"

#include <QObject>
#include <QThreadPool>

#include <map>
#include <memory>
#include <string>

class QAudioSink;

// The part of the player that lives on the audio thread: one sink kept open for the whole run,
// pulling from the mixer, and the sounds read so far, each path read once on a reading thread of
// its own so that neither the sink nor the user interface waits for a file.
class AudioOutput : public QObject {
public:
    AudioOutput();
    ~AudioOutput() override;

    // Opens the default output. Without one, or without a sound server, requests are dropped.
    void open();
    // Starts the file's sound; a file not read yet is read first, and one that could not be read
    // is tried again at its next request.
    void play(const std::string& path);

private:
    void readingDone(const std::string& path, const SharedSound& sound);

    AudioMixer m_mixer;
    MixingDevice m_device{m_mixer, this};
    std::unique_ptr<QAudioSink> m_sink;
    std::map<std::string, SharedSound> m_sounds;
    std::map<std::string, int> m_reading;  // paths being read, with the plays asked for meanwhile
    QThreadPool m_reader{this};
};
