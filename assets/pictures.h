#pragma once
// The pictures that the windows show and the application icon, built into the program as PNG
// resources.

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QSize>
#include <vector>

#include "assets/picture_error.h"

namespace assets {

enum class Picture {
    CirculatorySystem,  // title window
    Figure1,            // theory page 1: the elastic-reservoir model
    Figure2,            // theory page 2: pressure and ejection rate over the cardiac cycle
    Figure3,            // theory page 5: diastolic decay of the aortic pressure
    Equation2,          // theory page 3
    Equation3,
    Equation4,
    Equation5,
    Equation6,
    Equations7And8,
    Equations9And10,  // theory page 4
    KhanAcademyLogo,  // links window
};

struct PictureFile {
    Picture picture;
    const char* resource;  // Qt resource path
    QSize size;            // size of the picture in pixels
    // The same picture with English words, for the program in English; none for a picture
    // without words.
    const char* englishResource = nullptr;
};

// Whether the pictures with words are shown in their English variants. Set at start-up, with the
// language of the program's texts.
void useEnglishPictures(bool english);

// Every picture of the program, with its resource and its size.
const std::vector<PictureFile>& pictureFiles();

const PictureFile& pictureFile(Picture picture);

// Reads one picture, in the language chosen; throws PictureError if its data is missing or damaged.
// A window's pictures are read while the window is shown and let go when it is hidden.
QImage loadPicture(Picture picture);

// Decodes the data of a picture file that should be `size` pixels; throws PictureError, naming
// `name`, if it is not a complete picture of that size.
QImage decodePicture(const QByteArray& data, QSize size, const QString& name);

// The application icon: a human heart on a transparent background.
inline constexpr const char* kIconResource = ":/assets/heart.png";
inline constexpr QSize kIconSize{64, 52};
QImage iconImage();       // null if the resource is damaged
QIcon applicationIcon();  // the same picture

}  // namespace assets
