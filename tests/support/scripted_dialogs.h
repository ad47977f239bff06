// A scripted stand-in for the user: answers come from queues filled by the test, and every
// message shown is recorded. An empty answer queue means "cancel".
#pragma once

#include "platform/user_dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace lumeris::test {

struct ScriptedDialogs : UserDialogs {
    struct Shown {
        std::string text, caption;
        MessageIcon icon;
    };
    std::vector<Shown> messages;
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> files; // answers of every file dialog, in order
    std::vector<std::string> fileDialogs;         // which dialog asked: "open", "save", ...
    std::vector<std::string> folders;             // the folder each file dialog started in
    bool confirmPrint = false;
    std::deque<PictureExportChoice> exports; // answers of the export dialog

    void message(const UserText& text, const UserText& caption, MessageIcon icon) override {
        messages.push_back({text.plain(), caption.plain(), icon});
    }
    Answer askYesNoCancel(const UserText& text, const UserText& caption) override {
        messages.push_back({text.plain(), caption.plain(), MessageIcon::Warning});
        return take(answers).value_or(Answer::Cancel);
    }
    std::optional<std::string> openFile(OpenDialogKind kind, const std::string& folder) override {
        fileDialogs.push_back(kind == OpenDialogKind::Scheme  ? "open"
                              : kind == OpenDialogKind::Photo ? "photo"
                                                              : "import");
        folders.push_back(folder);
        return take(files).value_or(std::nullopt);
    }
    std::optional<std::string> saveFile(const std::string& folder) override {
        fileDialogs.push_back("save");
        folders.push_back(folder);
        return take(files).value_or(std::nullopt);
    }
    std::optional<std::string> exportFile(const std::string& folder) override {
        fileDialogs.push_back("export");
        folders.push_back(folder);
        return take(files).value_or(std::nullopt);
    }
    std::optional<std::string> pickPicture(const std::string& folder) override {
        fileDialogs.push_back("picture");
        folders.push_back(folder);
        return take(files).value_or(std::nullopt);
    }
    bool printDialog() override { return confirmPrint; }
    std::optional<PictureExportChoice> exportPicture(const std::string& suggested) override {
        fileDialogs.push_back("export");
        folders.push_back(suggested);
        return take(exports);
    }

  private:
    template <typename T> static std::optional<T> take(std::deque<T>& queue) {
        if (queue.empty())
            return std::nullopt;
        T front = std::move(queue.front());
        queue.pop_front();
        return front;
    }
};

} // namespace lumeris::test
