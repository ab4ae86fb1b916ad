// Interaction for the batch command: messages go to stderr, questions are
// answered by command-line flags, dialogs are never shown.
#pragma once

#include "text/translate.h"
#include "ui/interaction.h"

#include <cstdio>
#include <string>

namespace kvx::batch {

class BatchInteraction : public ui::Interaction {
public:
    explicit BatchInteraction(bool continueWithoutForce) : m_continueWithoutForce(continueWithoutForce) {}

    void message(std::string_view text, std::string_view caption, ui::Icon) override {
        std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                     static_cast<int>(text.size()), text.data());
    }

    ui::Answer ask(std::string_view text, std::string_view caption, ui::Buttons buttons, ui::Icon icon) override {
        message(text, caption, icon);
        // The core asks in the user's language: its captions are compared translated.
        const bool yes = caption == text::translate("kvx::data", "加力単位エラー") && m_continueWithoutForce;
        std::string answer;
        if (caption == text::translate("kvx::data", "データ形式"))
            answer = text::translate("kvx::batch", "いいえ (汎用テキストとして読むには --format generic を指定してください)");
        else if (yes)
            answer = text::translate("kvx::batch", "続行 (--continue-without-force)");
        else
            answer = text::translate("kvx::batch", "中止");
        std::fprintf(stderr, "  -> %s\n", answer.c_str());
        if (buttons == ui::Buttons::YesNo) return yes ? ui::Answer::Yes : ui::Answer::No;
        return yes ? ui::Answer::Ok : ui::Answer::Cancel;
    }

    std::optional<std::string> chooseOpenFile(const ui::FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> chooseSaveFile(const ui::FileDialogRequest&) override { return std::nullopt; }

private:
    bool m_continueWithoutForce;
};

}  // namespace kvx::batch
