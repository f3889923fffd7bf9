#pragma once
// Test double for Interaction: records everything shown or asked and answers from scripts.

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "texts/interaction.h"

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

    std::optional<std::filesystem::path> ChooseOpenFile(const FileChoice& choice) override {
        fileChoices.push_back(choice);
        return Next(openFiles);
    }

    std::optional<std::filesystem::path> ChooseSaveFile(const FileChoice& choice) override {
        fileChoices.push_back(choice);
        return Next(saveFiles);
    }

    std::optional<std::string> AskFilePassword(std::string_view current) override {
        passwordPrompts.emplace_back(current);
        return Next(passwords);
    }

    std::optional<std::string> AskRadioPassword(std::string_view current) override {
        radioPasswordPrompts.emplace_back(current);
        return Next(radioPasswords);
    }

    /// The texts of the messages shown, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Message& message : shown) {
            texts.push_back(message.Text);
        }
        return texts;
    }

    std::vector<Message> shown;          ///< every message, in order
    std::deque<Answer> answers;          ///< scripted answers; Ok/Yes once exhausted
    std::vector<FileChoice> fileChoices; ///< every file dialog, in order
    std::deque<std::optional<std::filesystem::path>> openFiles; ///< cancelled once exhausted
    std::deque<std::optional<std::filesystem::path>> saveFiles; ///< cancelled once exhausted
    std::vector<std::string> passwordPrompts;                   ///< the password each prompt showed
    std::deque<std::optional<std::string>> passwords;           ///< cancelled once exhausted
    std::vector<std::string> radioPasswordPrompts; ///< the radio password each prompt showed
    std::deque<std::optional<std::string>> radioPasswords; ///< cancelled once exhausted

private:
    template <class T> static std::optional<T> Next(std::deque<std::optional<T>>& script) {
        if (script.empty()) {
            return std::nullopt;
        }
        std::optional<T> next = script.front();
        script.pop_front();
        return next;
    }
};

} // namespace rp70::test
