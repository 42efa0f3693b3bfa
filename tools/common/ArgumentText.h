// SPDX-License-Identifier: MIT
// Command-line arguments as the tools take them: the library works in
// Unicode, so an argument that is not UTF-8 would reach it with U+FFFD in
// place of its bytes and could name another file. Such arguments are
// refused before anything runs.
#pragma once

#include <string>
#include <string_view>

namespace zept::tools {

bool isUtf8Text(std::string_view bytes);

// A refusal for the first argument that is not UTF-8 text ("" when all
// are), its bytes shown with octal escapes: "zeptcat: argument 3
// "raw\377.mdb" is not valid UTF-8 text".
std::string nonUtf8Argument(std::string_view tool, int argc, char const* const* argv);

}  // namespace zept::tools
