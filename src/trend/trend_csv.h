// The trend as CSV, for a spreadsheet: a header "step,<id>,<id>..." and one line per step,
// the step's number and each item's value as the dump writes numbers (%.9g of the float).
// Lines end with LF; a value that was not kept is left empty.
#pragma once

#include "trend/value_trend.h"

#include <optional>
#include <string>
#include <vector>

namespace lumeris {

// The items a table shows, by id, and where the trend keeps each one's values (if it does).
struct TrendColumns {
    std::vector<std::int32_t> ids;
    std::vector<std::optional<std::size_t>> columns;
};

// The columns of these items, as the trend holds them now.
TrendColumns trendColumns(const ValueTrend& trend, const std::vector<CPoint*>& items);

void appendCsvHeader(std::string& out, const TrendColumns& table);
// The line of one held step.
void appendCsvRow(std::string& out, const ValueTrend& trend, const TrendColumns& table,
                  std::int64_t step);
// The header and every held step.
std::string trendCsv(const ValueTrend& trend, const TrendColumns& table);

} // namespace lumeris
