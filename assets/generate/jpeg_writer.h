#pragma once
// Writes the generated pictures as baseline JPEG files with libjpeg.

#include <QImage>
#include <QString>

namespace generate {

// Quality 95 without chroma subsampling keeps thin lines and small type sharp.
bool writeJpeg(const QImage& image, const QString& path, int quality = 95);

}  // namespace generate
