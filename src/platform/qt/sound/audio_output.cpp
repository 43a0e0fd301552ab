#include "platform/qt/sound/audio_output.h"

#include "platform/qt/sound/sound_file.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace {

// How far ahead of the speaker the sink is filled. The sink pulls 20 ms at a time, and only when
// a whole 20 ms fits: with 40 ms or less it never plays at all, with 60 ms it runs dry on a busy
// machine; 80 ms plays without a gap and still sounds at once.
constexpr int bufferMilliseconds = 80;

}  // namespace

AudioOutput::AudioOutput()
{
    m_reader.setMaxThreadCount(1);
}

// The sink stops pulling before the device it pulls from goes. It is stopped before it is
// deleted: Qt's PulseAudio sink closes its stream in its destructor but stays active, and then
// handles the events still posted to it, among them a request for more sound that reads the
// closed stream, which aborts the program.
AudioOutput::~AudioOutput()
{
    if (m_sink)
        m_sink->stop();
    m_sink.reset();
}

void AudioOutput::open()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(outputRate);
    format.setChannelCount(outputChannels);
    format.setSampleFormat(QAudioFormat::Int16);

    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->setBufferSize(format.bytesForDuration(bufferMilliseconds * 1000));
    m_device.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    m_sink->start(&m_device);
    if (m_sink->error() != QAudio::NoError)
        m_sink.reset();
}

void AudioOutput::play(const std::string& path)
{
    if (!m_sink)
        return;
    if (const auto known = m_sounds.find(path); known != m_sounds.end()) {
        m_mixer.start(known->second);
        return;
    }
    if (const auto [waiting, first] = m_reading.try_emplace(path, 1); !first) {
        ++waiting->second;
        return;
    }
    m_reader.start([this, path] {
        const SharedSound sound = readSoundFile(path);
        QMetaObject::invokeMethod(this, [this, path, sound] { readingDone(path, sound); }, Qt::QueuedConnection);
    });
}

void AudioOutput::readingDone(const std::string& path, const SharedSound& sound)
{
    const auto waiting = m_reading.extract(path);
    if (!sound)
        return;
    m_sounds.emplace(path, sound);
    for (int k = 0; k < waiting.mapped(); ++k)
        m_mixer.start(sound);
}
