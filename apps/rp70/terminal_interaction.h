#pragma once
// The command line's way of telling and asking: messages on stderr, questions
// answered at the terminal. Without a terminal a question is answered with
// its cautious choice (Cancel or No), so scripts never hang.

#include "shell/interaction.h"

namespace rp70::cli {

class TerminalInteraction : public Interaction {
public:
    Answer Show(const Message& message) override;
};

} // namespace rp70::cli
