#pragma once

#include "soak_events.h"

#include <cstdint>
#include <optional>
#include <string>

class Simulator;

// The invariants of the exercise that hold after every event, some of them against what the
// soak knows of the series from the events it has sent.
class SeriesChecks {
public:
    // Takes note of the state before an event.
    void before(const Simulator& s);
    // After the event: the first invariant it broke, said in words, or nothing.
    std::optional<std::string> check(const SoakEvent& e, const Simulator& s);

private:
    std::uint64_t m_loadSerialBefore = 0;
    int m_shotNumberBefore = 0;
    int m_shotsBeforeLoad = 0;  // scored shots of the series before the target window's present load
    std::string m_total;        // what i(11) must hold
};
