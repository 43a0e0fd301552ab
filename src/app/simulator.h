#pragma once

#include "app/exercise_state.h"
#include "app/main_window.h"
#include "app/scene_pictures.h"
#include "app/target_window.h"
#include "platform/sound_player.h"
#include "platform/timer.h"
#include "scene/composition.h"

#include <string>

// The whole system without its screen: the two windows, the shared variables and the timers.
// Every handler takes it and reads and writes what it needs; the shell feeds it events and time.
class Simulator : public ExerciseState {
public:
    Simulator(const ScenePictures& pictures, SoundPlayer& player, std::string appFolder);
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    const std::string AppPath;  // the folder that holds the program
    TimerQueue timers;
    MainWindow f;
    TargetWindow proverka;
    frame::Composition composition;  // what the frames have left in the image of f.Основа
};
