#include "app/start_up.h"

#include "forms/app_path.h"
#include "state/range_facts.h"
#include "state/simulator.h"

void Form_Load(Simulator& s)
{
    s.shotNumber = 0;
    s.windage = 0;
    s.elevation = 0;
    s.appPath = s.programFolder;
    s.shotSoundPath = besideProgram(s.appPath, "AK.wav");
    s.shotSound2Path = besideProgram(s.appPath, "AK2.wav");
    // No target is in play until an exercise is chosen: the bull marker stands away from every plate.
    s.f.mi.Left = range::bullAwayLeft;
    s.f.Frame1.Left = (s.f.Width - s.f.Frame1.Width) / 2;
}

void Form_Resize(Simulator& s)
{
    s.f.Frame1.Left = (s.f.Width - s.f.Frame1.Width) / 2;
}

// Closing the main window closes every other window with it.
void Form_Unload(Simulator& s)
{
    s.proverka.Unload();
    s.analysisWindow.Unload();
}
