// The outcome of every reader: success, or the line where reading stopped and the exact
// message the caller shows (the window in a box, lumeris-cli on stderr).
#pragma once

#include "wording/user_text.h"

#include <string>

namespace lumeris {

struct ReadResult {
    bool ok = true;
    int line = 0; // counted from 1, as the user's editor counts them
    UserText message;

    static ReadResult success() { return {}; }
    // A data or conversion error: "Error in data, line N".
    static ReadResult dataError(int line) {
        return {false, line, userText("Reader", "Error in data, line %1").arg(line)};
    }
    explicit operator bool() const { return ok; }
};

} // namespace lumeris
