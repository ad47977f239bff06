// The texts the program shows to the user. A wording is written once, in the language the
// program speaks by default, with %1, %2, ... standing for what is filled in; the window looks
// it up in the chosen language's translation before filling it in, everything else (the
// headless tool, the tests) reads it as written. Wordings are made with userText(), which the
// translation tools collect as they collect QCoreApplication::translate() (see the README).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace lumeris {

class UserText {
  public:
    UserText() = default;
    // A text that is shown as it is, never looked up: a file name, a system's own message.
    UserText(std::string text) : source_(std::move(text)) {}
    UserText(const char* text) : source_(text) {}

    // Fills the next placeholder: the first arg() fills %1, the second %2, and so on.
    UserText arg(std::string value) const;
    UserText arg(long long value) const { return arg(std::to_string(value)); }

    // The wording's context for the translation; empty for a text shown as it is.
    const std::string& context() const { return context_; }
    const std::string& source() const { return source_; }
    const std::vector<std::string>& args() const { return args_; }
    bool empty() const { return source_.empty(); }

    // The text as written, its placeholders filled in.
    std::string plain() const;

  private:
    friend UserText userText(const char* context, const char* source);
    std::string context_;
    std::string source_;
    std::vector<std::string> args_;
};

// A wording the window translates: `context` groups it for the translator.
UserText userText(const char* context, const char* source);

// `pattern` with each %N (N from 1 to 9) replaced by args[N-1] in one pass, so that a filled-in
// value that holds "%1" stays as it is; a placeholder without its argument stays too.
std::string fillIn(const std::string& pattern, const std::vector<std::string>& args);

// Two texts are equal when they read the same.
bool operator==(const UserText& a, const UserText& b);
std::ostream& operator<<(std::ostream& out, const UserText& text);

} // namespace lumeris
