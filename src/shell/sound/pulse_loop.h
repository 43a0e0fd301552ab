#pragma once

#include <pulse/thread-mainloop.h>

#include <memory>

// libpulse's thread, on which the sound player's connection and streams live. Any other thread
// touches them only under its lock (LoopLock); once the thread has stopped, they are the
// stopping thread's alone.
class PulseLoop {
public:
    // A loop not yet running; nothing when libpulse cannot make one.
    static std::unique_ptr<PulseLoop> make();
    ~PulseLoop();
    PulseLoop(const PulseLoop&) = delete;
    PulseLoop& operator=(const PulseLoop&) = delete;

    // False when libpulse cannot start the thread.
    bool start();
    // Ends the thread, if it runs, and waits for it.
    void stop();
    pa_mainloop_api* api() const;

private:
    friend class LoopLock;
    explicit PulseLoop(pa_threaded_mainloop* loop) : m_loop(loop) {}

    pa_threaded_mainloop* m_loop;
};

class LoopLock {
public:
    explicit LoopLock(PulseLoop& loop) : m_loop(loop.m_loop) { pa_threaded_mainloop_lock(m_loop); }
    ~LoopLock() { pa_threaded_mainloop_unlock(m_loop); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* m_loop;
};
