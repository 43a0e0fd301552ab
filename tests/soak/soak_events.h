#pragma once

#include "harness.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>

// One thing a user or the clock does to the simulator, as the soak draws it.
struct SoakEvent {
    enum class Kind {
        PointerMove,  // x, y; button: the buttons held
        LeftClick,
        MouseDown,       // button: which went down (2 the right one); x, y
        ExerciseButton,  // button: 0 BAVNA, 1 Barza, 2 Restart
        TargetButton,    // Command1
        ScrollBar,       // button: 0 Horizont, 1 Vertikal; value
        TypeTotal,       // text typed into i(11)
        TargetClick,     // a click on the target window, if it is shown
        TargetClose,     // the window manager closes the target window, if it is shown
        Time,            // value: milliseconds
    };

    Kind kind = Kind::Time;
    float x = 0;
    float y = 0;
    int button = 0;
    int value = 0;
    std::string text;

    bool isShot() const { return kind == Kind::LeftClick; }
    bool isSeriesReset() const { return kind == Kind::ExerciseButton; }
};

std::ostream& operator<<(std::ostream& os, const SoakEvent& e);

// Draws events from a seed, weighted so that series often run to ten shots and beyond between
// two resets, and rapid-fire sequences run to their end.
class SoakEventSource {
public:
    explicit SoakEventSource(std::uint64_t seed);
    SoakEvent next();

private:
    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }
    float uniform(float low, float high) { return std::uniform_real_distribution<float>(low, high)(m_rng); }
    template <class T, std::size_t N>
    T oneOf(const std::array<T, N>& values)
    {
        return values[static_cast<std::size_t>(uniform(0, static_cast<int>(N) - 1))];
    }
    SoakEvent pointerMove();
    std::string typedText();

    std::mt19937_64 m_rng;
    std::discrete_distribution<int> m_kinds;
    float m_lastX = 0;
    float m_lastY = 0;
};

// Sends the event the way the shell would; an event on the target window that is not shown
// does nothing, and a scroll bar is reached by first bringing the window up with the right button.
void apply(const SoakEvent& e, Harness& h);
