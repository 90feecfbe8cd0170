#pragma once
// JPEG pictures decoded with libjpeg. A damaged or truncated file is reported as an error
// instead of ending the program.

#include <QByteArrayView>
#include <QImage>

#include "assets/picture_error.h"

namespace assets {

class JpegError : public PictureError {
  public:
    using PictureError::PictureError;
};

// Decodes a whole JPEG file held in memory into an RGB image. Throws JpegError when the data
// is not a complete, valid JPEG stream; libjpeg warnings (such as premature end of data) count
// as errors, so a truncated file never yields a half-grey picture.
QImage decodeJpeg(QByteArrayView data);

}  // namespace assets
