// Interaction for the batch command: messages go to stderr, questions are
// answered by command-line flags, dialogs are never shown.
#pragma once

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
        const bool yes = caption == "加力単位エラー" && m_continueWithoutForce;
        if (caption == "データ形式")
            std::fprintf(stderr, "  -> いいえ (汎用テキストとして読むには --format generic を指定してください)\n");
        else
            std::fprintf(stderr, "  -> %s\n", yes ? "続行 (--continue-without-force)" : "中止");
        if (buttons == ui::Buttons::YesNo) return yes ? ui::Answer::Yes : ui::Answer::No;
        return yes ? ui::Answer::Ok : ui::Answer::Cancel;
    }

    std::optional<std::string> chooseOpenFile(const ui::FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> chooseSaveFile(const ui::FileDialogRequest&) override { return std::nullopt; }

private:
    bool m_continueWithoutForce;
};

}  // namespace kvx::batch
