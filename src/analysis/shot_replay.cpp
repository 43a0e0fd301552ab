#include "analysis/shot_replay.h"

ReplayMoment replayAt(const LoggedShot& shot, Millis elapsed)
{
    if (elapsed >= replayLength)
        return {shot.sights, shot.aim.size(), true};
    const Millis moment = shot.time - replayLength + elapsed;
    ReplayMoment m;
    while (m.tracePoints < shot.aim.size() && shot.aim[m.tracePoints].time <= moment)
        m.sights = shot.aim[m.tracePoints++].sights;
    return m;
}
