#pragma once
// Where the programs find the files shipped with them.

#include <filesystem>

namespace rp70 {

/// The shipped language files: installed beside the running program (usually
/// "../share/rp70cps/lang"), else the source tree's "lang" folder the program was built from.
std::filesystem::path ShippedLanguageFolder();

} // namespace rp70
