#pragma once

#include "forms/raster.h"
#include "state/scene_pictures.h"

class QImage;

// A copy of the image as 0xffRRGGBB pixels; transparency is dropped.
Raster rasterFromImage(const QImage& image);

// The range view's pictures, from the ones built into the program.
ScenePictures loadScenePictures();
