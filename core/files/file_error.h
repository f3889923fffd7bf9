#pragma once
// The one message every failed file operation shows.

#include <string>

#include "texts/user_context.h"

namespace rp70 {

/// Shows "file error." in the current language.
inline void ShowFileError(UserContext& ctx) {
    ctx.Ui.Show({std::string(ctx.Texts.Builtin(BuiltinText::FileError)), "",
                 MessageIcon::Exclamation, MessageButtons::Ok});
}

} // namespace rp70
