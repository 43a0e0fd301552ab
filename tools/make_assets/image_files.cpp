#include "image_files.h"

#include <QImageWriter>

#include <stdexcept>

namespace assets {

namespace {

void write(const QImage& image, const QString& path, const char* format, int quality)
{
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    // Optimised Huffman tables change only the size of the file, never the decoded pixels.
    writer.setOptimizedWrite(true);
    if (!writer.write(image))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + writer.errorString().toStdString());
}

}  // namespace

void writePng(const QImage& image, const QString& path)
{
    write(image.convertToFormat(QImage::Format_RGB888), path, "png", -1);
}

void writeJpeg(const QImage& image, const QString& path)
{
    write(image.convertToFormat(QImage::Format_RGB888), path, "jpeg", jpegQuality);
}

}  // namespace assets
