#pragma once
// The pictures of the program, each drawn to its description at its final size.

#include <QImage>

namespace generate {

// The language of the words and letters in a picture: the program's Russian, or English.
enum class Words { Russian, English };

QImage circulatorySystem();  // 400 x 600
// 631 x 289, the elastic-reservoir model
QImage figure1(Words words = Words::Russian);
// 643 x 415, pressure and ejection rate over two cycles
QImage figure2(Words words = Words::Russian);
// 435 x 394, diastolic decay of the aortic pressure
QImage figure3(Words words = Words::Russian);
QImage equation2();                              // 83 x 32
QImage equation3();                              // 117 x 41
QImage equation4(Words words = Words::Russian);  // 123 x 39
QImage equation5();                              // 113 x 37
QImage equation6();                              // 123 x 42
QImage equations7And8();                         // 99 x 121
QImage equations9And10();                        // 128 x 173
QImage khanAcademyLogo();                        // 300 x 300

// A white canvas of the given size.
QImage whiteCanvas(int width, int height);

}  // namespace generate
