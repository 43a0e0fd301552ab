#include "shell/sound/pulse_loop.h"

std::unique_ptr<PulseLoop> PulseLoop::make()
{
    pa_threaded_mainloop* loop = pa_threaded_mainloop_new();
    return loop ? std::unique_ptr<PulseLoop>(new PulseLoop(loop)) : nullptr;
}

PulseLoop::~PulseLoop()
{
    pa_threaded_mainloop_free(m_loop);
}

bool PulseLoop::start()
{
    return pa_threaded_mainloop_start(m_loop) >= 0;
}

void PulseLoop::stop()
{
    pa_threaded_mainloop_stop(m_loop);
}

pa_mainloop_api* PulseLoop::api() const
{
    return pa_threaded_mainloop_get_api(m_loop);
}
