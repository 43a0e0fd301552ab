#pragma once

#include "shell/sound/playable_sound.h"
#include "shell/sound/pulse_connection.h"

#include <pulse/operation.h>
#include <pulse/stream.h>

#include <cstddef>
#include <memory>
#include <string>

// One playing of a sound, on a stream of its own. It is armed ahead of its shot: connected
// corked and filled, so that a play only uncorks it and the server mixes it in at its next
// period, with no stream to make and link then. It runs on the loop's thread and is called under
// the loop's lock; closing it, at any stage, takes its stream off the server.
class Voice {
public:
    enum class Stage { Arming, Armed, Playing };

    // Told, on the loop's thread, of what becomes of the voice.
    class Owner {
    public:
        // Filled and corked, it waits for its play.
        virtual void armed(Voice& voice) = 0;
        // Played to its end, or failed or cut off at any stage: it is done with, and the owner
        // closes it.
        virtual void ended(Voice& voice) = 0;

    protected:
        ~Owner() = default;
    };

    Voice(Owner& owner, std::shared_ptr<const PlayableSound> sound);
    ~Voice();
    Voice(const Voice&) = delete;
    Voice& operator=(const Voice&) = delete;

    // Connects a stream for the sound, corked; false when the server's library would not make or
    // connect one. The voice is armed once its stream is filled.
    bool open(const PulseConnection& connection, const std::string& name);
    // Starts an armed voice; false when its stream would not start or finish.
    bool play();
    Stage stage() const { return m_stage; }

private:
    static void changed(pa_stream* stream, void* voice);
    static void wants(pa_stream* stream, std::size_t bytes, void* voice);
    static void playedOut(pa_stream* stream, int success, void* voice);
    bool fill(std::size_t most);
    bool drainWhenWritten();

    Owner& m_owner;
    std::shared_ptr<const PlayableSound> m_sound;
    pa_stream* m_stream = nullptr;
    Stage m_stage = Stage::Arming;
    std::size_t m_written = 0;
    pa_operation* m_draining = nullptr;
};
