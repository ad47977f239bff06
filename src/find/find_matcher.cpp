#include "find/find_matcher.h"

#include "text/cp1251_case.h"

#include <algorithm>
#include <array>

namespace lumeris {

namespace {

// upperCp1251 for every byte, looked up once per byte compared.
const std::array<char, 256>& upperTable() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int byte = 0; byte < 256; ++byte)
            t[byte] = upperCp1251(static_cast<char>(byte));
        return t;
    }();
    return table;
}

bool containsUpper(std::string_view text, std::string_view upperWord) {
    const auto& upper = upperTable();
    const auto same = [&upper](char a, char b) {
        return upper[static_cast<unsigned char>(a)] == b;
    };
    return std::search(text.begin(), text.end(), upperWord.begin(), upperWord.end(), same) !=
           text.end();
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

FindQuery::FindQuery(std::string_view typed) {
    const auto& upper = upperTable();
    for (auto at = typed.begin(); at != typed.end();) {
        at = std::find_if_not(at, typed.end(), isBlank);
        const auto end = std::find_if(at, typed.end(), isBlank);
        if (at != end) {
            std::string word(at, end);
            for (char& c : word)
                c = upper[static_cast<unsigned char>(c)];
            words_.push_back(std::move(word));
        }
        at = end;
    }
}

bool FindQuery::matches(const CPoint& item) const {
    if (words_.empty())
        return false;
    return std::all_of(words_.begin(), words_.end(), [&item](const std::string& word) {
        return containsUpper(item.Name, word) || containsUpper(item.text, word) ||
               containsUpper(item.url, word);
    });
}

std::vector<CPoint*> findItems(const Scheme& scheme, const FindQuery& query) {
    std::vector<CPoint*> found;
    if (query.empty())
        return found;
    for (CPoint* item = scheme.ItemTail; item; item = item->Prev)
        if (query.matches(*item))
            found.push_back(item);
    return found;
}

} // namespace lumeris
