#include "import/lisp.h"

#include <vector>

namespace lumeris {

namespace {

constexpr std::int32_t Indent = 32;

bool isBlank(char c) {
    return c == '\t' || c == '\n' || c == '\r' || c == ' ';
}

bool endsAtom(char c) {
    return c == '\n' || c == '\r' || c == ' ' || c == '(' || c == ')' || c == '[' || c == ']';
}

class LispImport {
  public:
    LispImport(Scheme& scheme, std::string_view text, std::int32_t x, std::int32_t y)
        : scheme_(scheme), text_(text), x_(x), y_(y) {}

    // Each pass of the loop reads one element. `parent` is the item the next element links
    // to: the list's item for a list's first element and for the element after a list,
    // otherwise the element before. Open lists wait on `lists_` for their closing bracket.
    void run() {
        CPoint* parent = nullptr;
        while (true) {
            skipBlanks();
            if (pos_ == text_.size())
                return;
            const char c = text_[pos_];
            if (c == '(' || c == '[') {
                ++pos_;
                parent = place({}, c == '(' ? TypeLispList : TypeLispVector, parent);
                lists_.push_back(parent);
                x_ += Indent;
                continue;
            }
            const std::string_view token = readToken();
            if (token.empty()) { // a closing bracket
                if (lists_.empty())
                    return;
                parent = lists_.back();
                lists_.pop_back();
                x_ -= Indent;
                ++pos_;
                continue;
            }
            parent = place(std::string(token), TypeLispAtom, parent);
            y_ += Indent;
        }
    }

  private:
    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }

    // The token at the current position: a ";;" comment runs to the end of its line, an atom
    // up to a blank (tabs excepted) or a bracket. Empty at a closing bracket.
    std::string_view readToken() {
        const std::size_t start = pos_;
        const bool comment =
            text_[pos_] == ';' && pos_ + 1 < text_.size() && text_[pos_ + 1] == ';';
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (comment ? (c == '\r' || c == '\n') : endsAtom(c))
                break;
            ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }

    CPoint* place(std::string name, std::uint8_t type, CPoint* parent) {
        CPoint* item = scheme_.createItem(std::move(name), x_, y_);
        item->Type = type;
        if (parent)
            scheme_.createLink(item, parent);
        return item;
    }

    Scheme& scheme_;
    std::string_view text_;
    std::size_t pos_ = 0;
    std::int32_t x_;
    std::int32_t y_;
    std::vector<CPoint*> lists_;
};

} // namespace

void importLisp(Scheme& scheme, std::string_view source, std::int32_t x, std::int32_t y) {
    LispImport(scheme, source, x, y).run();
}

} // namespace lumeris
