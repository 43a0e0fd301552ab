#include "arm_sprite.h"
#include "icon.h"
#include "image_files.h"
#include "range_scene.h"
#include "range_signals.h"
#include "range_targets.h"
#include "shot_sounds.h"
#include "small_pictures.h"
#include "target_face.h"
#include "wav_writer.h"

#include <QDir>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

void makeAll(const QDir& out)
{
    using namespace assets;
    const QImage scene = renderRangeScene();
    writeJpeg(rangePicture(scene, {}), out.filePath("range_no_target.jpg"));
    for (int plate : {1, 3, 5}) {
        writeJpeg(rangePicture(scene, {{plate, TargetTurn::Facing}}),
                  out.filePath(QString("range_target_plate%1.jpg").arg(plate)));
    }
    writeJpeg(rangePicture(scene, {{3, TargetTurn::EdgeOn}}), out.filePath("range_target_plate3_edge.jpg"));
    writeJpeg(rangePicture(scene, onEveryPlate(TargetTurn::Facing)), out.filePath("range_five_targets.jpg"));
    writeJpeg(rangePicture(scene, onEveryPlate(TargetTurn::EdgeOn)), out.filePath("range_five_targets_edge.jpg"));

    writePng(armSprite(qRgb(0, 0, 0)), out.filePath("arm_on_black.png"));
    writePng(armSprite(qRgb(255, 255, 255)), out.filePath("arm_on_white.png"));
    writePng(bullMarker(), out.filePath("bull.png"));
    writePng(targetFace(), out.filePath("target_face.png"));
    writePng(arrow(ArrowDirection::Left), out.filePath("arrow_left.png"));
    writePng(arrow(ArrowDirection::Right), out.filePath("arrow_right.png"));
    writePng(arrow(ArrowDirection::Up), out.filePath("arrow_up.png"));
    writePng(arrow(ArrowDirection::Down), out.filePath("arrow_down.png"));
    for (int size : {32, 64, 128, 256})
        writePng(pistolIcon(size), out.filePath(QString("icon_%1.png").arg(size)));

    writeWav(out.filePath("AK.wav").toStdString(), shotSound());
    writeWav(out.filePath("AK2.wav").toStdString(), echoSound());
    writeWav(out.filePath("signal_command.wav").toStdString(), commandSignal());
    writeWav(out.filePath("signal_start.wav").toStdString(), startSignal());
    writeWav(out.filePath("signal_stop.wav").toStdString(), stopSignal());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    try {
        if (!QDir().mkpath(out.path()))
            throw std::runtime_error("cannot create " + out.path().toStdString());
        makeAll(out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_assets: %s\n", e.what());
        return 1;
    }
    return 0;
}
