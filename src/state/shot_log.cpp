#include "state/shot_log.h"

#include "state/main_window.h"

#include <optional>
#include <utility>

SightReading readSights(const MainWindow& f, std::int16_t windage, std::int32_t elevation)
{
    return {
        .mm1Left = f.mm1.Left,
        .mm1Top = f.mm1.Top,
        .mmuLeft = f.mmu.Left,
        .mmuTop = f.mmu.Top,
        .miLeft = f.mi.Left,
        .miTop = f.mi.Top,
        .miWidth = f.mi.Width,
        .miHeight = f.mi.Height,
        .windage = windage,
        .elevation = elevation,
    };
}

void ShotLog::aimed(Millis time, const SightReading& sights, AimFrame drawnBy)
{
    if (m_aim.size() < aimCapacity) {
        m_aim.push_back({time, sights, drawnBy});
        return;
    }
    m_aim[m_aimStart] = {time, sights, drawnBy};
    m_aimStart = (m_aimStart + 1) % aimCapacity;
}

void ShotLog::scored(Millis time, const SightReading& sights, const Control& mark, int points)
{
    LoggedShot shot{{mark.Left, mark.Top, points}, time, sights, {}};
    const std::optional<Millis> shotBefore = m_series.empty() ? std::nullopt : std::optional(m_series.back().time);
    bool awaitingTracking = false;
    for (std::size_t n = 0; n < m_aim.size(); ++n) {
        const AimSample& sample = m_aim[(m_aimStart + n) % m_aim.size()];
        if (sample.time > time)
            break;
        // A frame from before the span stays only while it is the one in force at the span's start.
        if (sample.time <= time - traceSpan)
            shot.aim.clear();
        const bool recoil = shotBefore && sample.drawnBy == AimFrame::Recoil && sample.time >= *shotBefore;
        if (recoil || (awaitingTracking && sample.drawnBy == AimFrame::Tracking)) {
            shot.aim.clear();
            awaitingTracking = recoil;
        }
        shot.aim.push_back(sample);
    }
    m_series.push_back(std::move(shot));
    ++m_revision;
}

void ShotLog::movedBull(float miLeft, float miTop)
{
    for (AimSample& sample : m_aim) {
        sample.sights.miLeft = miLeft;
        sample.sights.miTop = miTop;
    }
}

void ShotLog::rescored(int points)
{
    if (m_series.empty())
        return;
    m_series.back().mark.points = points;
    ++m_revision;
}

void ShotLog::seriesEnded()
{
    if (m_series.empty())
        return;
    std::vector<MarkedShot> marks;
    for (const LoggedShot& shot : m_series)
        marks.push_back(shot.mark);
    m_earlier.push_back(std::move(marks));
    m_series.clear();
    ++m_revision;
}
