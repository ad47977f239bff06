// Every exchange format behind one door, for the command-line tool and the window alike.
#pragma once

#include "exchange/formats.h"
#include "exchange/graph.h"
#include "model/scheme.h"

#include <string>
#include <string_view>

namespace lumeris {

// The file's bytes read in a format that canImport allows.
ExchangeRead readExchange(ExchangeFormat format, std::string_view bytes);

// The scheme in the format, as the bytes of the file.
std::string writeExchange(ExchangeFormat format, const Scheme& scheme);

} // namespace lumeris
