#include "platform/qt/sound/qt_sound_player.h"

#include "platform/qt/sound/audio_output.h"

#include <QDeadlineTimer>
#include <QThread>

// The output is made on the user-interface thread but lives, works and is deleted on the audio
// thread; the user-interface thread only posts requests to it.
struct QtSoundPlayer::Impl {
    QThread thread;
    AudioOutput* output = new AudioOutput;
};

namespace {

// Time the audio thread gets at the end to close the sink.
constexpr int closingMilliseconds = 2000;

}  // namespace

QtSoundPlayer::QtSoundPlayer() : m_impl(std::make_unique<Impl>())
{
    AudioOutput* output = m_impl->output;
    output->moveToThread(&m_impl->thread);
    QObject::connect(&m_impl->thread, &QThread::finished, output, &QObject::deleteLater);
    m_impl->thread.setObjectName("audio");
    m_impl->thread.start();
    QMetaObject::invokeMethod(output, &AudioOutput::open, Qt::QueuedConnection);
}

QtSoundPlayer::~QtSoundPlayer()
{
    m_impl->thread.quit();
    // A sound server that stopped answering may hold the audio thread for good; the program
    // then ends without it rather than hang.
    if (!m_impl->thread.wait(QDeadlineTimer(closingMilliseconds)))
        static_cast<void>(m_impl.release());
}

void QtSoundPlayer::play(const std::string& path)
{
    AudioOutput* output = m_impl->output;
    QMetaObject::invokeMethod(output, [output, path] { output->play(path); }, Qt::QueuedConnection);
}
