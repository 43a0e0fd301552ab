#pragma once

#include "forms/control.h"
#include "forms/timer.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class MainWindow;

// What a shot reads at the moment it is fired: the rear sight mm1 and the blade mmu, the bull
// marker mi, and the two sight settings.
struct SightReading {
    float mm1Left = 0, mm1Top = 0;
    float mmuLeft = 0, mmuTop = 0;
    float miLeft = 0, miTop = 0, miWidth = 0, miHeight = 0;
    std::int16_t windage = 0;
    std::int32_t elevation = 0;
};

SightReading readSights(const MainWindow& f, std::int16_t windage, std::int32_t elevation);

// Which routine drew a frame: aim tracking (the sights under the pointer), the hold sway, or the
// recoil, which raises them to the top of the view.
enum class AimFrame { Tracking, Sway, Recoil };

// A frame's sights: where a shot fired at that moment would have read them.
struct AimSample {
    Millis time = 0;
    SightReading sights;
    AimFrame drawnBy = AimFrame::Tracking;
};

// A scored shot as its mark shows it on the target window.
struct MarkedShot {
    float markLeft = 0;
    float markTop = 0;
    int points = 0;
};

struct LoggedShot {
    MarkedShot mark;
    Millis time = 0;
    SightReading sights;
    // The frames of the traceSpan before the shot, oldest first, from the one in force at its start.
    std::vector<AimSample> aim;
};

// The record the shot analysis reads, kept in memory for the run: the scored shots of the series,
// each with what it read and the frames of aim before it, and the marks of the series that
// series resets have ended. The frames of aim are kept for the last traceSpan, with the one in
// force at its start, and no more than aimCapacity of them, whatever the pointer does.
//
// A shot's frames are its own hold: after the series' shot before it they start with the first
// frame that aim tracking drew after that shot's recoil frame, so that the kick, the sway at the
// raised height and the jump back under the pointer are not counted; where aim tracking drew none
// since, with the recoil frame.
class ShotLog {
public:
    static constexpr Millis traceSpan = 2000;
    static constexpr std::size_t aimCapacity = 4096;

    ShotLog() { m_aim.reserve(aimCapacity); }

    void aimed(Millis time, const SightReading& sights, AimFrame drawnBy);
    void scored(Millis time, const SightReading& sights, const Control& mark, int points);
    // The frames kept read the bull marker at (miLeft, miTop), where a course has just moved it to
    // score the coming shot on the target nearest its aim: its hold is measured on that target.
    void movedBull(float miLeft, float miTop);
    // The last scored shot counts `points` after all, as a course judges it.
    void rescored(int points);
    void seriesEnded();

    const std::vector<LoggedShot>& series() const { return m_series; }
    // Grows with every scored shot and every series that ends.
    std::uint64_t revision() const { return m_revision; }
    // The ended series that had a scored shot, oldest first.
    const std::vector<std::vector<MarkedShot>>& earlier() const { return m_earlier; }

private:
    std::vector<AimSample> m_aim;  // a ring of aimCapacity, m_aimStart the oldest
    std::size_t m_aimStart = 0;
    std::vector<LoggedShot> m_series;
    std::vector<std::vector<MarkedShot>> m_earlier;
    std::uint64_t m_revision = 0;
};
