#pragma once

#include <stdexcept>

namespace assets {

// A picture built into the program could not be read: its data is damaged or missing.
class PictureError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace assets
