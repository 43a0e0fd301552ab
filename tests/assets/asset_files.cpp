#include "asset_files.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sndfile.h>

#include <memory>
#include <stdexcept>

namespace asset_tests {

namespace {

const QTemporaryDir& generatedFolder()
{
    static const auto folder = [] {
        auto dir = std::make_unique<QTemporaryDir>();
        if (!dir->isValid())
            throw std::runtime_error("no temporary folder");
        QProcess run;
        run.start(QStringLiteral(MAKE_ASSETS), {dir->path()});
        if (!run.waitForFinished(300000) || run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0)
            throw std::runtime_error("make_assets failed: " + run.readAllStandardError().toStdString());
        return dir;
    }();
    return *folder;
}

}  // namespace

QString committed(const QString& name)
{
    return QDir(QStringLiteral(ASSETS_DIR)).filePath(name);
}

QString regenerated(const QString& name)
{
    return QDir(generatedFolder().path()).filePath(name);
}

QImage loadImage(const QString& path)
{
    QImage image(path);
    if (image.isNull())
        throw std::runtime_error("cannot read " + path.toStdString());
    return image;
}

Sound loadSound(const QString& path)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_READ, &info);
    if (!file)
        throw std::runtime_error("cannot read " + path.toStdString());
    Sound sound;
    sound.sampleRate = info.samplerate;
    sound.channels = info.channels;
    sound.format = info.format;
    sound.samples.resize(static_cast<std::size_t>(info.frames * info.channels));
    sf_read_short(file, sound.samples.data(), static_cast<sf_count_t>(sound.samples.size()));
    sf_close(file);
    return sound;
}

int luma(QRgb p)
{
    return (299 * qRed(p) + 587 * qGreen(p) + 114 * qBlue(p)) / 1000;
}

}  // namespace asset_tests
