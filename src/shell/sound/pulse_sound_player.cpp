#include "shell/sound/pulse_sound_player.h"

#include "shell/sound/pulse_player_impl.h"

#include <QFileInfo>

#include <utility>

namespace {

// Time the player gets at the end to finish reading a file.
constexpr std::chrono::milliseconds closingTime{2000};

}  // namespace

PulseSoundPlayer::Impl::Impl(std::unique_ptr<PulseLoop> made, pa_usec_t readyFor)
    : loop(std::move(made))
    , connection(*loop, *this, readyFor)
    , files(*loop, [this](const std::string& path, std::shared_ptr<const PlayableSound> samples) {
        fileRead(path, std::move(samples));
    })
{
    connection.open();
}

// Once the loop's thread has stopped, what it ran is this thread's alone. A sound still playing
// stops with its stream.
PulseSoundPlayer::Impl::~Impl()
{
    loop->stop();
    closeAll();
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
    Impl& p = *m_impl;
    LoopLock lock(*p.loop);
    p.connection.keepReady();
    auto [found, added] = p.sounds.try_emplace(path);
    Impl::Sound& sound = found->second;
    if (added)
        sound.name = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
    if (p.connection.reachable())
        ++sound.waiting;
    if (sound.samples)
        p.arm(sound);
    else
        p.files.read(path);
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
