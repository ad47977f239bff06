#include "wording/user_text.h"

#include <ostream>

namespace lumeris {

UserText UserText::arg(std::string value) const {
    UserText filled = *this;
    filled.args_.push_back(std::move(value));
    return filled;
}

std::string UserText::plain() const {
    return fillIn(source_, args_);
}

UserText userText(const char* context, const char* source) {
    UserText text(source);
    text.context_ = context;
    return text;
}

std::string fillIn(const std::string& pattern, const std::vector<std::string>& args) {
    std::string filled;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t number = next >= '1' && next <= '9' ? std::size_t(next - '0') : 0;
        if (pattern[i] == '%' && number >= 1 && number <= args.size()) {
            filled += args[number - 1];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

bool operator==(const UserText& a, const UserText& b) {
    return a.plain() == b.plain();
}

std::ostream& operator<<(std::ostream& out, const UserText& text) {
    return out << text.plain();
}

} // namespace lumeris
