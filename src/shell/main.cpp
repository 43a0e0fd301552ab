#include "shell/image_loading.h"
#include "shell/open_application.h"
#include "shell/shell.h"
#include "shell/sound/pulse_sound_player.h"
#include "state/simulator.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const auto application = openApplication(argc, argv);
    PulseSoundPlayer player;
    Simulator s(loadScenePictures(), player, QCoreApplication::applicationDirPath().toStdString());
    Shell shell(s, player);
    shell.start();
    return application->exec();
}
