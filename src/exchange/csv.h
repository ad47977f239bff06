// Connection lists as spreadsheets keep them: RFC 4180 comma-separated text in UTF-8, a
// header naming the columns From, To and optionally Weight and Name, one link per row.
#pragma once

#include "exchange/graph.h"
#include "model/scheme.h"

#include <string>
#include <string_view>

namespace lumeris {

// Reads a connection list (a leading byte-order mark is dropped). Header names are matched
// without regard to case or surrounding blanks, in any order; other columns are ignored. Each
// distinct From or To name becomes one node, in order of first appearance; an empty Weight is
// 1, and weights outside -1..1 are clamped. Blank lines are skipped. On malformed text the
// error carries the line (counted from 1) where the fault lies.
ExchangeRead readCsv(std::string_view utf8);

// The scheme's links, oldest first, in the same columns: From,To,Weight,Name, CR LF line
// ends, fields quoted where they must be. Items without links have no row.
std::string writeCsv(const Scheme& scheme);

} // namespace lumeris
