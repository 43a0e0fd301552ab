#pragma once

#include <functional>

// How a view hands user input to the core: the shell first lets the timers catch up with the
// clock, runs the handler, then brings every widget up to date with the model.
using EventDispatch = std::function<void(const std::function<void()>& handler)>;
