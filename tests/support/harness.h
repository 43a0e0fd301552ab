#pragma once

#include "forms/sound_player.h"
#include "state/scene_pictures.h"
#include "state/simulator.h"

#include <string>
#include <vector>

// Pictures whose every pixel tells where it came from: each background has its own blue level,
// and the arm sprite has empty pixels in a known pattern and the right-hand ten columns.
ScenePictures testPictures();
std::uint32_t backgroundPixel(int blue, int x, int y);
bool armPixelIsEmpty(int x, int y);
std::uint32_t armPixel(int x, int y);  // the sprite's colour where it is not empty

inline constexpr int blueNoTarget = 10;
inline constexpr int bluePlate1 = 20;
inline constexpr int bluePlate3 = 30;
inline constexpr int bluePlate5 = 40;
inline constexpr int bluePlate3EdgeOn = 50;
inline constexpr int blueFiveTargets = 60;
inline constexpr int blueFiveTargetsEdgeOn = 70;

class RecordingSoundPlayer : public SoundPlayer {
public:
    void play(const std::string& path) override { played.push_back(path); }
    void prepare(const std::string& path) override { prepared.push_back(path); }
    std::vector<std::string> played;
    std::vector<std::string> prepared;
};

// The simulator after start-up, driven as the shell drives it, by raising the controls' events
// through the program's own bindings: pointer moves, clicks, buttons, and time advanced on a
// manual clock through every deadline in between.
class Harness {
public:
    explicit Harness(const ScenePictures& pictures = testPictures());

    RecordingSoundPlayer sounds;
    Simulator s;

    void move(float x, float y, int button = 0);
    void click();
    void rightButton();
    void advanceBy(Millis ms);
    Millis now() const { return s.timers.now(); }

    // Which background (by its blue level) the range view shows at a pixel, or -1 for none.
    int backgroundAt(int x, int y) const;
};
