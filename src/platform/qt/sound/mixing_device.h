#pragma once

#include "platform/audio_mixer.h"

#include <QIODevice>

// What the audio sink pulls from: an endless stream, the mixer's sum of whatever plays, silence
// when nothing does. Read on the audio thread only.
class MixingDevice : public QIODevice {
public:
    MixingDevice(AudioMixer& mixer, QObject* parent);

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    AudioMixer& m_mixer;
};
