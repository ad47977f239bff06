// Dialogs for the benchmarks: every question is cancelled and nothing is shown but the
// messages' text on standard output.
#pragma once

#include "platform/user_dialogs.h"

#include <cstdio>

namespace lumeris {

struct SilentDialogs : UserDialogs {
    void message(const UserText& text, const UserText&, MessageIcon) override {
        std::printf("  message: %s\n", text.plain().c_str());
    }
    Answer askYesNoCancel(const UserText&, const UserText&) override { return Answer::Cancel; }
    std::optional<std::string> openFile(OpenDialogKind, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&) override { return std::nullopt; }
    std::optional<std::string> exportFile(const std::string&) override { return std::nullopt; }
    std::optional<std::string> pickPicture(const std::string&) override { return std::nullopt; }
    bool printDialog() override { return false; }
    std::optional<PictureExportChoice> exportPicture(const std::string&) override {
        return std::nullopt;
    }
};

} // namespace lumeris
