// The committed assets are exactly what make_assets produces now.
#include "asset_files.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace asset_tests;

namespace {

const QStringList pngs = {"arm_on_black.png", "arm_on_white.png", "bull.png",     "target_face.png",
                          "arrow_left.png",   "arrow_right.png",  "arrow_up.png", "arrow_down.png",
                          "icon_32.png",      "icon_64.png",      "icon_128.png", "icon_256.png"};
const QStringList jpegs = {"range_no_target.jpg",        "range_target_plate1.jpg",      "range_target_plate3.jpg",
                           "range_target_plate5.jpg",    "range_target_plate3_edge.jpg", "range_five_targets.jpg",
                           "range_five_targets_edge.jpg"};
const QStringList sounds = {"AK.wav", "AK2.wav", "signal_command.wav", "signal_start.wav", "signal_stop.wav"};

TEST(Regeneration, CommittedFolderHoldsExactlyTheGeneratedFiles)
{
    QStringList expected = pngs + jpegs + sounds;
    expected.sort();
    QStringList present = QDir(committed(".")).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(present, expected);
    QStringList made = QDir(QFileInfo(regenerated("bull.png")).path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(made, expected);
}

TEST(Regeneration, PngPixelsAreIdentical)
{
    for (const QString& name : pngs) {
        const QImage fresh = loadImage(regenerated(name));
        const QImage kept = loadImage(committed(name));
        EXPECT_EQ(fresh.size(), kept.size()) << name.toStdString();
        EXPECT_TRUE(fresh.convertToFormat(QImage::Format_RGB32) == kept.convertToFormat(QImage::Format_RGB32))
            << name.toStdString();
    }
}

TEST(Regeneration, JpegPixelsAgreeWithinCompressionNoise)
{
    for (const QString& name : jpegs) {
        const QImage fresh = loadImage(regenerated(name));
        const QImage kept = loadImage(committed(name));
        ASSERT_EQ(fresh.size(), kept.size()) << name.toStdString();
        const Difference d = difference(fresh, kept, [](int, int) { return true; });
        EXPECT_LT(d.mean, 1.0) << name.toStdString();
        EXPECT_LT(d.max, 16) << name.toStdString();
    }
}

TEST(Regeneration, SoundSamplesAreIdentical)
{
    for (const QString& name : sounds) {
        const Sound fresh = loadSound(regenerated(name));
        const Sound kept = loadSound(committed(name));
        EXPECT_EQ(fresh.sampleRate, kept.sampleRate) << name.toStdString();
        EXPECT_EQ(fresh.samples, kept.samples) << name.toStdString();
    }
}

}  // namespace
