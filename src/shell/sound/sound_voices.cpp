#include "shell/sound/sound_voices.h"

#include <utility>

SoundVoices::SoundVoices(PulseConnection& connection, std::string name)
    : m_connection(connection), m_name(std::move(name))
{
}

void SoundVoices::ask()
{
    if (m_connection.reachable())
        ++m_waiting;
}

void SoundVoices::take(std::shared_ptr<const PlayableSound> sound)
{
    m_sound = std::move(sound);
    arm();
}

// A voice that would not start is closed, and its play dropped. The server would not take a
// voice that cannot be opened, and the plays that wait for one are dropped.
void SoundVoices::arm()
{
    if (!m_connection.online() || !m_connection.ready() || !m_sound)
        return;
    int spare = 0;
    for (auto voice = m_voices.begin(); voice != m_voices.end();) {
        if (voice->stage() == Voice::Stage::Armed && m_waiting > 0) {
            --m_waiting;
            if (!voice->play()) {
                voice = m_voices.erase(voice);
                continue;
            }
        } else if (voice->stage() != Voice::Stage::Playing) {
            ++spare;
        }
        ++voice;
    }
    for (const int wanted = m_waiting + 1; spare < wanted; ++spare)
        if (!open()) {
            m_waiting = 0;
            return;
        }
}

void SoundVoices::closeAll()
{
    m_voices.clear();
    m_waiting = 0;
}

void SoundVoices::closeSpare()
{
    m_voices.remove_if([](const Voice& voice) { return voice.stage() != Voice::Stage::Playing; });
    m_waiting = 0;
}

bool SoundVoices::open()
{
    Voice& voice = m_voices.emplace_back(static_cast<Voice::Owner&>(*this), m_sound);
    if (voice.open(m_connection, m_name))
        return true;
    m_voices.pop_back();
    return false;
}

void SoundVoices::armed(Voice&)
{
    arm();
}

// One that failed before it was armed takes the plays that wait for it along.
void SoundVoices::ended(Voice& voice)
{
    if (voice.stage() == Voice::Stage::Arming)
        m_waiting = 0;
    m_voices.remove_if([&voice](const Voice& v) { return &v == &voice; });
}
