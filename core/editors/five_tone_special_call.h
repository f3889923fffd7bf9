#pragma once
// The 5-tone special call dialog without its widgets: composes a data message, an ANI call or a
// PTT-ID code and puts it into a code list entry or the PTT-ID begin or end code.

#include <string>

#include "editors/five_tone_code_list.h"
#include "model/records/five_tone_record.h"

namespace rp70 {

/// Where the composed code goes: a code list entry, the PTT-ID begin code or the end code.
enum class SpecialCallTarget : int { CodeList = 0, BeginCode = 1, EndCode = 2 };

} // namespace rp70
