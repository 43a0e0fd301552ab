// The soak: random events from a seed, sent to the core built under AddressSanitizer and UBSan,
// with the exercise's invariants checked after every one and the heap compared at the end.
//   core_soak [seed [events]]
// Without a seed it takes one from the clock and prints it, so a failure can be repeated.
#include "harness.h"
#include "series_checks.h"
#include "soak_events.h"
#include "soak_pictures.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <utility>

// The sanitizers' runtime has these; GCC ships no header that declares the first.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();

extern "C" const char* __ubsan_default_options()
{
    return "print_stacktrace=1";
}

namespace {

constexpr std::uint64_t defaultEvents = 100'000;

// Between the warm-up and the end the heap holds the same objects: the target window's controls
// live inside the simulator, typed texts fit in a string's own storage and the recorded sounds
// are cleared after every event. What may differ is the few blocks of a container that has not
// yet met its largest size, and what the shot log keeps by design: the shots of the series with
// the aim before each, and the marks of every ended series. A block leaked in one event of a
// hundred overruns the bound several times.
constexpr std::int64_t heapGrowthBound = 4096;

std::int64_t shotLogBytes(const ShotLog& log)
{
    std::size_t bytes = log.series().capacity() * sizeof(LoggedShot);
    for (const LoggedShot& shot : log.series())
        bytes += shot.aim.capacity() * sizeof(AimSample);
    bytes += log.earlier().capacity() * sizeof(std::vector<MarkedShot>);
    for (const std::vector<MarkedShot>& series : log.earlier())
        bytes += series.capacity() * sizeof(MarkedShot);
    return static_cast<std::int64_t>(bytes);
}

// How deep the run went, so that a green soak also shows it reached the states that matter.
struct Reach {
    std::uint64_t shots = 0;
    std::uint64_t tenthShots = 0;
    std::uint64_t rapidSequencesEnded = 0;
};

bool parse(const char* text, std::uint64_t& value)
{
    try {
        std::size_t used = 0;
        value = std::stoull(text, &used);
        return text[used] == '\0';
    } catch (const std::exception&) {
        return false;
    }
}

std::uint64_t seedFromClock()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

int main(int argc, char** argv)
{
    std::uint64_t seed = seedFromClock();
    std::uint64_t events = defaultEvents;
    if (argc > 3 || (argc > 1 && !parse(argv[1], seed)) || (argc > 2 && !parse(argv[2], events))) {
        std::cerr << "usage: core_soak [seed [events]]\n";
        return 2;
    }
    std::cout << "core_soak: seed " << seed << ", " << events << " events (repeat: core_soak " << seed << ' ' << events
              << ")" << std::endl;

    Harness h(soakPictures());
    SoakEventSource source(seed);
    SeriesChecks checks;
    Reach reach;
    std::array<SoakEvent, 8> recent;
    const std::uint64_t warmUp = events / 10;
    std::size_t heapAfterWarmUp = __sanitizer_get_current_allocated_bytes();
    std::int64_t logAfterWarmUp = shotLogBytes(h.s.shotLog);
    const auto started = std::chrono::steady_clock::now();

    for (std::uint64_t n = 1; n <= events; ++n) {
        SoakEvent e = source.next();
        checks.before(h.s);
        const float positionBefore = h.s.targetPosition;
        apply(e, h);
        h.sounds.played.clear();

        if (std::optional<std::string> broken = checks.check(e, h.s)) {
            std::cout << "core_soak: event " << n << " of seed " << seed << " (" << e << "): " << *broken
                      << "\nthe events before it, latest last:\n";
            for (std::uint64_t k = n > recent.size() ? n - recent.size() : 1; k < n; ++k)
                std::cout << "  " << k << ": " << recent[k % recent.size()] << '\n';
            return 1;
        }
        reach.shots += e.isShot();
        reach.tenthShots += e.isShot() && h.s.shotNumber == 10;
        reach.rapidSequencesEnded += positionBefore < 5 && h.s.targetPosition == 5;
        recent[n % recent.size()] = std::move(e);
        if (n == warmUp) {
            heapAfterWarmUp = __sanitizer_get_current_allocated_bytes();
            logAfterWarmUp = shotLogBytes(h.s.shotLog);
        }
    }

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const std::int64_t logGrowth = shotLogBytes(h.s.shotLog) - logAfterWarmUp;
    const auto growth = static_cast<std::int64_t>(__sanitizer_get_current_allocated_bytes()) -
                        static_cast<std::int64_t>(heapAfterWarmUp) - logGrowth;
    std::cout << "core_soak: " << events << " events in " << seconds << " s (" << seconds * 1e6 / events
              << " us each); " << reach.shots << " shots, " << reach.tenthShots << " complete series, "
              << reach.rapidSequencesEnded << " rapid sequences run to the end, " << h.s.proverka.loadSerial()
              << " loads of the target window\n"
              << "core_soak: heap " << heapAfterWarmUp << " bytes after " << warmUp << " events, " << growth
              << " bytes more at the end besides " << logGrowth << " more in the shot log (bound " << heapGrowthBound
              << ")" << std::endl;
    if (growth > heapGrowthBound) {
        std::cout << "core_soak: the heap grew by more than the bound\n";
        return 1;
    }
    return 0;
}
