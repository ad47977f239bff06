// Finding items by what the user types: every word must occur in the item's name, text or
// address, without regard to the case of Latin and Cyrillic letters. Texts are compared as
// the Windows-1251 bytes the model keeps.
#pragma once

#include "model/scheme.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumeris {

class FindQuery {
  public:
    // `typed` is Windows-1251; words are separated by blanks and tabs.
    explicit FindQuery(std::string_view typed);

    // No words: the query matches nothing.
    bool empty() const { return words_.empty(); }
    // Every word occurs in the name, the text or the address (a word need not stay in one).
    bool matches(const CPoint& item) const;

  private:
    std::vector<std::string> words_; // upper-cased
};

// The items the query matches, oldest first: the order in which Enter steps through them.
std::vector<CPoint*> findItems(const Scheme& scheme, const FindQuery& query);

} // namespace lumeris
