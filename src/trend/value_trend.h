// The values the items had over the last steps: a ring of rows, one row per step and one
// column per kept item, numbered from the opening of the scheme. The steps of the run control
// record into it; the chart and the CSV export read it.
#pragma once

#include "model/scheme.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace lumeris {

class ValueTrend {
  public:
    static constexpr std::size_t DefaultSteps = 1000;
    static constexpr std::size_t DefaultBytes = std::size_t(64) << 20;

    // Keeps `steps` rows in at most `maxBytes` of values: every item while they fit, else
    // only the watched items (as many of them as fit).
    explicit ValueTrend(std::size_t steps = DefaultSteps, std::size_t maxBytes = DefaultBytes);

    // A scheme was opened or made: forgets every row and the watched items, and records the
    // values as they stand as step 0.
    void restart(const Scheme& scheme);
    // Records the values as they stand as the next step. Allocates nothing while the scheme
    // keeps its items (and its change stamp).
    void record(const Scheme& scheme);

    // Brings the columns in line with the scheme's items: an item that came since gets a
    // column without values, a destroyed item's column goes. record calls it; a reader calls
    // it before trusting columns() after edits.
    void follow(const Scheme& scheme);

    // Watched items are kept when not every item fits, and shown by the chart.
    void watch(const CPoint* item);
    void unwatch(const CPoint* item);
    bool watched(const CPoint* item) const;
    // The watched items still in the scheme, oldest first.
    std::vector<CPoint*> watchedItems(const Scheme& scheme) const;
    // Whether every item is kept (else only the watched ones).
    bool keepsEveryItem() const { return everyItem_; }

    // The kept items, oldest first, as of the last follow.
    const std::vector<CPoint*>& columns() const { return items_; }
    std::optional<std::size_t> columnOf(const CPoint* item) const;

    // Rows held: the steps firstStep() to lastStep(); none before the first record.
    std::size_t rowCount() const { return rowCount_; }
    std::int64_t firstStep() const { return firstStep_; }
    std::int64_t lastStep() const { return firstStep_ + std::int64_t(rowCount_) - 1; }
    // The value of the column at a held step; NaN where the item was not kept then.
    float value(std::size_t column, std::int64_t step) const;

  private:
    void collectWanted(const Scheme& scheme);
    bool wantedMatchesColumns() const;
    void remap();
    float* rowAt(std::size_t index) { return values_.data() + index * items_.size(); }

    std::size_t steps_;
    std::size_t maxColumns_;
    std::vector<std::uint64_t> watched_; // Seq of the watched items

    bool everyItem_ = true;
    bool stale_ = true;               // the columns must be checked against the scheme
    std::uint64_t stamp_ = 0;         // the scheme's change stamp the columns follow
    std::vector<CPoint*> items_;      // the columns' items
    std::vector<std::uint64_t> seqs_; // and their Seq, which outlives a destroyed item
    std::vector<CPoint*> wanted_;     // scratch of follow, kept to spare allocations

    std::vector<float> values_; // steps_ rows of items_.size() values
    std::size_t start_ = 0;     // ring index of the oldest row
    std::size_t rowCount_ = 0;
    std::int64_t firstStep_ = 0;
};

} // namespace lumeris
