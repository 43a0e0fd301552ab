#pragma once

#include "forms/control.h"
#include "forms/form.h"
#include "forms/menu.h"
#include "forms/picture_box.h"
#include "forms/sound_player.h"
#include "forms/timer.h"
#include "state/scene_pictures.h"

#include <array>

// The colour of the rear sight and the blade.
inline constexpr std::uint32_t sightColor = rgb(49, 24, 52);

// The main window f and its controls. The window's own children are in twips (Frame1 and the
// buttons in it, the range view); the children of the range view are in its pixels.
class MainWindow : public FormWindow {
public:
    MainWindow(const ScenePictures& pictures, TimerQueue& timers, SoundPlayer& player);

    static constexpr int clientWidthPixels = 792;
    static constexpr int clientHeightPixels = 598;
    static constexpr std::uint32_t backColor = 0xff808080u;

    Control Frame1;
    Button BAVNA;
    Button Restart;
    Button Barza;

    PictureBox Основа;
    TextBox& i(int k) { return m_scoreBoxes.at(k - 1); }  // i(1) .. i(10) the shots, i(11) the total
    const TextBox& i(int k) const { return m_scoreBoxes.at(k - 1); }
    Button Command1;
    Button Analysis;
    MenuButton Discipline;  // the courses of fire, and their end while one runs
    Button Ready;           // the shooter is ready before the load time is over; shown while loading
    PictureBox mm1;
    PictureBox mmu;
    PictureBox mm2;
    PictureBox mm3;

    PictureBox mi;
    Control dum;
    PictureBox МаскаОснова;
    PictureBox МаскаОснова0;
    PictureBox МаскаОснова1;
    PictureBox МаскаОснова3;
    PictureBox plate3EdgeOn;  // the backgrounds of a course's turning targets
    PictureBox fiveTargets;
    PictureBox fiveTargetsEdgeOn;
    PictureBox Черно;
    PictureBox Бяло;
    PictureBox Фон;

    Timer TimerB;
    Timer Timer1;
    Timer otkat;
    Timer otkat1;
    Timer CourseTimer;  // the course's phases and the countdown of its panel
    MultimediaControl MM;

    int ScreenMousePointer = 0;

private:
    std::array<TextBox, 11> m_scoreBoxes;
};
