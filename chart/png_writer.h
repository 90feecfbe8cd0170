#pragma once
// PNG files of the chart's picture. Qt's own writer tries every row filter of the format on
// every row, which costs most of the time on a picture of flat colours and thin lines; these
// are written unfiltered and a little less packed, in half the time.

#include <QByteArray>
#include <QImage>

namespace chart {

// The image as a PNG file, marked with the resolution its device pixel ratio gives (96 dots per
// inch times the ratio), so that a word processor places it at the size it had on screen.
// Empty when the image cannot be encoded.
QByteArray pngBytes(const QImage& image);

}  // namespace chart
