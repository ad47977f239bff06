// The system's clipboard through Qt: plain Unicode text outside, Windows-1251 inside.
#pragma once

#include "platform/clipboard.h"

namespace lumeris {

class QtClipboard : public Clipboard {
  public:
    std::optional<std::string> text() override;
    void setText(const std::string& text) override;
};

} // namespace lumeris
