// An Interaction that answers from a queue and records every message and question,
// so tests (core and window alike) can drive commands without dialogs.
#pragma once

#include "ui/interaction.h"

#include <deque>
#include <string>
#include <vector>

namespace kvx::ui {

class ScriptedInteraction : public Interaction {
public:
    struct Shown {
        std::string text;
        std::string caption;
        Icon icon;
        bool question;
    };

    std::vector<Shown> shown;              // messages and questions in order
    std::deque<Answer> answers;            // consumed by ask(); empty queue answers the default
    Answer defaultAnswer = Answer::Ok;     // Ok for OkCancel, Yes for YesNo when the queue is empty
    std::deque<std::optional<std::string>> openFiles;  // consumed by chooseOpenFile()
    std::deque<std::optional<std::string>> saveFiles;  // consumed by chooseSaveFile()
    std::vector<FileDialogRequest> dialogs;            // every file dialog request
    std::deque<PauseAnswer> pauseAnswers;              // consumed by pause(); empty queue answers Next
    std::vector<PauseInfo> pauses;                     // every pause shown
    std::deque<std::optional<std::uint32_t>> colors;   // consumed by chooseColor(); empty queue cancels
    std::vector<std::uint32_t> colorRequests;          // the initial colour of every colour chooser

    void message(std::string_view text, std::string_view caption, Icon icon) override {
        shown.push_back({std::string(text), std::string(caption), icon, false});
    }

    Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override {
        shown.push_back({std::string(text), std::string(caption), icon, true});
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        if (buttons == Buttons::YesNo)
            return defaultAnswer == Answer::Ok ? Answer::Yes : defaultAnswer;
        return defaultAnswer;
    }

    std::optional<std::string> chooseOpenFile(const FileDialogRequest& request) override {
        dialogs.push_back(request);
        return pop(openFiles);
    }

    std::optional<std::string> chooseSaveFile(const FileDialogRequest& request) override {
        dialogs.push_back(request);
        return pop(saveFiles);
    }

    /// How often `text` was shown.
    long count(std::string_view text) const {
        long n = 0;
        for (const auto& s : shown) n += s.text == text;
        return n;
    }

    /// Texts of everything shown, in order (handy for EXPECT_EQ on a whole dialogue).
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& s : shown) out.push_back(s.text);
        return out;
    }

    std::optional<std::uint32_t> chooseColor(std::uint32_t initialRgb) override {
        colorRequests.push_back(initialRgb);
        if (colors.empty()) return std::nullopt;
        const auto c = colors.front();
        colors.pop_front();
        return c;
    }

    PauseAnswer pause(const PauseInfo& info) override {
        pauses.push_back(info);
        if (pauseAnswers.empty()) return PauseAnswer::Next;
        const PauseAnswer a = pauseAnswers.front();
        pauseAnswers.pop_front();
        return a;
    }

private:
    static std::optional<std::string> pop(std::deque<std::optional<std::string>>& q) {
        if (q.empty()) return std::nullopt;
        auto v = q.front();
        q.pop_front();
        return v;
    }
};

}  // namespace kvx::ui
