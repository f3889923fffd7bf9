#pragma once
// Test double for Interaction: records every message and answers from a script.

#include <deque>
#include <vector>

#include "shell/interaction.h"

namespace rp70::test {

class RecordingInteraction : public Interaction {
public:
    Answer Show(const Message& message) override {
        shown.push_back(message);
        if (!answers.empty()) {
            const Answer next = answers.front();
            answers.pop_front();
            return next;
        }
        return message.Buttons == MessageButtons::YesNo ||
                       message.Buttons == MessageButtons::YesNoCancel
                   ? Answer::Yes
                   : Answer::Ok;
    }

    std::vector<Message> shown; ///< every message, in order
    std::deque<Answer> answers; ///< scripted answers; Ok/Yes once exhausted
};

} // namespace rp70::test
