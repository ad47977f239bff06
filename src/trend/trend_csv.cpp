#include "trend/trend_csv.h"

#include <cmath>
#include <cstdio>

namespace lumeris {

TrendColumns trendColumns(const ValueTrend& trend, const std::vector<CPoint*>& items) {
    TrendColumns table;
    for (const CPoint* item : items) {
        table.ids.push_back(item->id);
        table.columns.push_back(trend.columnOf(item));
    }
    return table;
}

void appendCsvHeader(std::string& out, const TrendColumns& table) {
    out += "step";
    for (const std::int32_t id : table.ids) {
        out += ',';
        out += std::to_string(id);
    }
    out += '\n';
}

void appendCsvRow(std::string& out, const ValueTrend& trend, const TrendColumns& table,
                  std::int64_t step) {
    out += std::to_string(step);
    char text[32];
    for (const std::optional<std::size_t>& column : table.columns) {
        out += ',';
        const float value = column ? trend.value(*column, step) : NAN;
        if (std::isnan(value))
            continue;
        std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
        out += text;
    }
    out += '\n';
}

std::string trendCsv(const ValueTrend& trend, const TrendColumns& table) {
    std::string out;
    appendCsvHeader(out, table);
    for (std::int64_t step = trend.firstStep(); step <= trend.lastStep(); ++step)
        appendCsvRow(out, trend, table, step);
    return out;
}

} // namespace lumeris
