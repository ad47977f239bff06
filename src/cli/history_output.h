// The --history file of lumeris-cli run: the values of the chosen items after every command,
// written as the chart's CSV export writes them, one line as each command ends.
#pragma once

#include "trend/trend_csv.h"

#include <fstream>
#include <optional>
#include <string>

namespace lumeris::cli {

class HistoryOutput {
  public:
    // Starts at the scheme as it stands, with the items by id ("3,1,7": these, in this order)
    // or every item oldest first. False when an id is no number or names no item.
    bool choose(const Scheme& scheme, const std::optional<std::string>& ids);
    // Opens the file and writes the header and step 0; false when it cannot be written.
    bool open(const std::string& path);
    // Writes the values as they stand as the next step; false once the file fails.
    bool record(const Scheme& scheme);
    bool close();

  private:
    bool writeRow();

    ValueTrend trend_{1}; // only the newest row: the lines go out as they come
    TrendColumns columns_;
    std::ofstream out_;
    std::string line_;
};

} // namespace lumeris::cli
