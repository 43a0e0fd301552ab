#pragma once

#include <QImage>
#include <QString>

namespace assets {

inline constexpr int jpegQuality = 95;

// Both throw std::runtime_error when the file cannot be written.
void writePng(const QImage& image, const QString& path);
void writeJpeg(const QImage& image, const QString& path);

}  // namespace assets
