#pragma once
// Where the answers to --help and --version and a command-line error go. A Windows program with
// windows of its own starts without a console, so there they go where the output was redirected,
// else to the console the command was typed in, else into a box; elsewhere to the standard
// output and error.

#include <string_view>

namespace app {

enum class Stream { Output, Error };

// text: UTF-8.
void tell(std::string_view text, Stream stream);

}  // namespace app
