#include "shell/image_loading.h"

#include <QImage>
#include <QString>

#include <cstring>

Raster rasterFromImage(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Raster raster(rgb.width(), rgb.height());
    const auto bytes = static_cast<std::size_t>(raster.width()) * sizeof(std::uint32_t);
    for (int y = 0; y < raster.height(); ++y)
        std::memcpy(raster.row(y), rgb.constScanLine(y), bytes);
    return raster;
}

namespace {

ScenePictures::Picture builtIn(const char* name)
{
    return std::make_shared<const Raster>(
        rasterFromImage(QImage(QStringLiteral(":/pictures/") + QString::fromLatin1(name))));
}

}  // namespace

ScenePictures loadScenePictures()
{
    return {
        builtIn("range_target_plate3.jpg"),
        builtIn("range_no_target.jpg"),
        builtIn("range_target_plate1.jpg"),
        builtIn("range_target_plate5.jpg"),
        builtIn("range_target_plate3_edge.jpg"),
        builtIn("range_five_targets.jpg"),
        builtIn("range_five_targets_edge.jpg"),
        builtIn("bull.png"),
        builtIn("arm_on_black.png"),
        builtIn("arm_on_white.png"),
    };
}
