#pragma once

#include "state/scene_pictures.h"

// Pictures with the proportions of the real ones: 1024 x 768 backgrounds of busy pixels, and a
// 123 x 768 arm sprite whose non-empty part is an arm 45 to 65 pixels wide, so that most of the
// sprite's rectangle is empty, as in the real art.
ScenePictures benchPictures();
