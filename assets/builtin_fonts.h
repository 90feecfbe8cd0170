#pragma once
// The fonts built into the program: the Latin and Cyrillic part of Andika that draws the title
// window's handwriting, under a name of its own (fonts/OFL.txt, generate/subset_fonts.py).

namespace assets {

inline constexpr const char* kHandwritingFamily = "Hemodynamics Print";

// Registers the built-in fonts with Qt, read where they lie in the program, not copied. Call
// once the application object exists; false if one of them could not be registered.
bool addBuiltInFonts();

}  // namespace assets
