#pragma once

#include "state/scene_pictures.h"

// The test pictures, with an arm sprite shaped like the program's own: across each row one run
// of pixels that the sprite puts down, ending here in a pixel that mixes with the background.
// The test arm's many short runs cost a frame some twenty times as many copies under the
// sanitizers as the real arm does.
ScenePictures soakPictures();
