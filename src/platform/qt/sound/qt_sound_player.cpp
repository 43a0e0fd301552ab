#include "platform/qt/sound/qt_sound_player.h"

struct QtSoundPlayer::Impl {};

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const std::string&) {}
