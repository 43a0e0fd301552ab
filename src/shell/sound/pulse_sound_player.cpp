#include "shell/sound/pulse_sound_player.h"

#include "shell/sound/playable_sound.h"
#include "shell/sound/pulse_connection.h"
#include "shell/sound/pulse_loop.h"
#include "shell/sound/sound_files.h"
#include "shell/sound/sound_voices.h"

#include <QFileInfo>

#include <pulse/timeval.h>

#include <map>
#include <utility>

namespace {

// Time the player gets at the end to finish reading a file.
constexpr std::chrono::milliseconds closingTime{2000};

}  // namespace

// The parts of the player: libpulse's thread, the connection on it, the voices of each sound by
// its file's path, and the files' reading. Everything but the reading runs on the loop's thread
// or under its lock.
struct PulseSoundPlayer::Impl final : PulseConnection::Voices {
    Impl(std::unique_ptr<PulseLoop> made, pa_usec_t readyFor);
    ~Impl();

    // The file's voices, its reading begun where they are new: voices without a sound stand only
    // while their file is read.
    SoundVoices& voicesOf(const std::string& path);
    void fileRead(const std::string& path, std::shared_ptr<const PlayableSound> sound);
    void armAll() override;
    void closeAll() override;
    void closeSpare() override;

    std::unique_ptr<PulseLoop> loop;
    PulseConnection connection;
    std::map<std::string, SoundVoices> sounds;
    SoundFiles files;
};

PulseSoundPlayer::Impl::Impl(std::unique_ptr<PulseLoop> made, pa_usec_t readyFor)
    : loop(std::move(made))
    , connection(*loop, *this, readyFor)
    , files(*loop, [this](const std::string& path, std::shared_ptr<const PlayableSound> sound) {
        fileRead(path, std::move(sound));
    })
{
    connection.open();
}

// Once the loop's thread has stopped, the voices and the connection are this thread's alone; the
// voices close first, while the connection their streams are on is there. A sound still playing
// stops with its stream.
PulseSoundPlayer::Impl::~Impl()
{
    loop->stop();
}

SoundVoices& PulseSoundPlayer::Impl::voicesOf(const std::string& path)
{
    auto found = sounds.find(path);
    if (found == sounds.end()) {
        found = sounds.try_emplace(path, connection, QFileInfo(QString::fromStdString(path)).fileName().toStdString())
                    .first;
        files.read(path);
    }
    return found->second;
}

// A file that cannot be played is forgotten, to be read again at its next request.
void PulseSoundPlayer::Impl::fileRead(const std::string& path, std::shared_ptr<const PlayableSound> sound)
{
    const auto found = sounds.find(path);
    if (sound)
        found->second.take(std::move(sound));
    else
        sounds.erase(found);
}

void PulseSoundPlayer::Impl::armAll()
{
    for (auto& [path, voices] : sounds)
        voices.arm();
}

void PulseSoundPlayer::Impl::closeAll()
{
    for (auto& [path, voices] : sounds)
        voices.closeAll();
}

void PulseSoundPlayer::Impl::closeSpare()
{
    for (auto& [path, voices] : sounds)
        voices.closeSpare();
}

// Without a thread of libpulse's, one it cannot make or start, the player stays silent.
PulseSoundPlayer::PulseSoundPlayer(std::chrono::milliseconds readyFor)
{
    std::unique_ptr<PulseLoop> loop = PulseLoop::make();
    if (!loop)
        return;
    auto impl = std::make_unique<Impl>(std::move(loop), static_cast<pa_usec_t>(readyFor.count()) * PA_USEC_PER_MSEC);
    if (impl->loop->start())
        m_impl = std::move(impl);
}

PulseSoundPlayer::~PulseSoundPlayer()
{
    if (!m_impl)
        return;
    {
        LoopLock lock(*m_impl->loop);
        m_impl->connection.stopReconnecting();
    }
    // A file that reads for longer keeps its thread, and the program ends without it rather than
    // wait.
    if (!m_impl->files.close(closingTime))
        static_cast<void>(m_impl.release());
}

// A play asked for while there is no server is dropped; its sound is read all the same, for the
// plays once there is one.
void PulseSoundPlayer::play(const std::string& path)
{
    if (!m_impl)
        return;
    LoopLock lock(*m_impl->loop);
    m_impl->connection.keepReady();
    SoundVoices& voices = m_impl->voicesOf(path);
    voices.ask();
    voices.arm();
}

void PulseSoundPlayer::prepare(const std::string& path)
{
    if (!m_impl)
        return;
    LoopLock lock(*m_impl->loop);
    m_impl->voicesOf(path).arm();
}

void PulseSoundPlayer::keepReady()
{
    if (!m_impl)
        return;
    LoopLock lock(*m_impl->loop);
    m_impl->connection.keepReady();
}

void PulseSoundPlayer::rest()
{
    if (!m_impl)
        return;
    LoopLock lock(*m_impl->loop);
    m_impl->connection.rest();
}
