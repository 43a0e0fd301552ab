#include "shell/sound/sound_files.h"

#include "shell/sound/sound_file.h"

#include <optional>
#include <utility>

SoundFiles::SoundFiles(PulseLoop& loop, Read read) : m_loop(loop), m_read(std::move(read))
{
    m_thread.setMaxThreadCount(1);
}

void SoundFiles::read(const std::string& path)
{
    m_thread.start([this, path] { readOnThread(path); });
}

void SoundFiles::readOnThread(const std::string& path)
{
    std::optional<DecodedSound> decoded = readSoundFile(path);
    std::shared_ptr<const PlayableSound> sound = decoded ? playableSound(std::move(*decoded)) : nullptr;
    LoopLock lock(m_loop);
    if (m_closing)
        return;
    m_read(path, std::move(sound));
}

bool SoundFiles::close(std::chrono::milliseconds wait)
{
    {
        LoopLock lock(m_loop);
        m_closing = true;
    }
    m_thread.clear();
    return m_thread.waitForDone(static_cast<int>(wait.count()));
}
