#pragma once

#include "forms/composition.h"
#include "forms/sound_player.h"
#include "forms/timer.h"
#include "state/course_state.h"
#include "state/exercise_state.h"
#include "state/main_window.h"
#include "state/scene_pictures.h"
#include "state/shot_log.h"
#include "state/target_controls.h"

#include <optional>
#include <string>
#include <utility>

// What the frames last left in the range view: the background they painted it with, and where
// they drew the arm since, if they did.
struct RangeViewDrawn {
    const PictureBox* background = nullptr;
    std::optional<std::pair<int, int>> arm;
};

// The whole system without its screen: the two windows, the shared variables and the timers.
// Every handler takes it and reads and writes what it needs; the shell feeds it events and time.
class Simulator : public ExerciseState {
public:
    Simulator(const ScenePictures& pictures, SoundPlayer& player, std::string appFolder)
        : programFolder(std::move(appFolder))
        , f(pictures, timers, player)
        , proverka(targetCaption)
        , analysisWindow("АНАЛИЗ НА СТРЕЛБАТА")
    {
    }
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    const std::string programFolder;  // App.Path, the folder that holds the program
    TimerQueue timers;
    MainWindow f;
    TargetWindow proverka;
    FormWindow analysisWindow;        // the shot analysis, shown in front by the button Analysis
    sprite::Composition composition;  // what the frames have left in the image of f.Основа
    RangeViewDrawn rangeViewDrawn;    // and the background and the arm they last drew there
    ShotLog shotLog;                  // what the shot analysis reads
    CourseState course;               // the course of fire that runs, and the record of the last
};
