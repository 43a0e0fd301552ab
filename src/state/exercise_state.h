#pragma once

#include <cstdint>
#include <string>

// The variables that every handler shares. A variable that the system describes as holding no
// value until first written is simply 0 here: it counts as 0 in every sum and comparison, and
// nothing shows it before it is written.
struct ExerciseState {
    // The main window's exercise variables.
    int shotNumber = 0;            // shots clicked since the last series reset; goes on past 10
    int shotScore = 0;             // points of the last scored shot, 0 to 10
    int seriesScore = 0;           // points of the series so far, 0 to 100
    int shotPending = 0;           // 1 from a shot until its sound tick
    float hitX = 0;                // target mm, landing point left of the face centre
    std::int32_t hitY = 0;         // whole target mm, landing point below the face centre
    float armDrop = 0;             // range-view px the arm and sights sit below the pointer
    std::int32_t fireMode = 0;     // 0 none chosen, 1 precision, 2 rapid
    std::int16_t targetShown = 0;  // the state of the button Command1
    std::string appPath;
    std::string shotSoundPath;
    std::string shotSound2Path;

    // The program's global variables, which the target window's handlers reach too.
    std::int16_t windage = 0;    // Horizont.Value - 100; one unit moves the shot 2.5 mm left
    std::int32_t elevation = 0;  // Vertikal.Value - 100; one unit moves the shot 2.5 mm down
    float armX = 0;              // range-view px, the arm sprite's top-left corner as last placed
    float armY = 0;
    std::int32_t swayAngle = 0;  // radians, the phase of the hold sway
    float targetPosition = 0;    // 0 to 5, which plate shows the target
};
