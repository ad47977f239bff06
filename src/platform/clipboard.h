// The system's plain-text clipboard, in the model's Windows-1251 bytes: the Qt side converts
// to and from Unicode, a character Windows-1251 cannot hold becoming "?".
#pragma once

#include <optional>
#include <string>

namespace lumeris {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Nothing when the clipboard holds no text.
    virtual std::optional<std::string> text() = 0;
    virtual void setText(const std::string& text) = 0;
};

} // namespace lumeris
