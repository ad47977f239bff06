#include "trend/value_trend.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace lumeris {

namespace {

constexpr float Missing = std::numeric_limits<float>::quiet_NaN();

} // namespace

ValueTrend::ValueTrend(std::size_t steps, std::size_t maxBytes)
    : steps_(std::max<std::size_t>(steps, 1)), maxColumns_(maxBytes / (steps_ * sizeof(float))) {}

void ValueTrend::restart(const Scheme& scheme) {
    watched_.clear();
    stale_ = true;
    start_ = 0;
    rowCount_ = 0;
    firstStep_ = 0;
    record(scheme);
}

void ValueTrend::record(const Scheme& scheme) {
    follow(scheme);
    std::size_t index;
    if (rowCount_ < steps_) {
        index = (start_ + rowCount_) % steps_;
        ++rowCount_;
    } else {
        index = start_;
        start_ = (start_ + 1) % steps_;
        ++firstStep_;
    }
    float* row = rowAt(index);
    for (const CPoint* item : items_)
        *row++ = item->Value;
}

void ValueTrend::follow(const Scheme& scheme) {
    if (!stale_ && scheme.changeStamp() == stamp_)
        return;
    collectWanted(scheme);
    if (!wantedMatchesColumns())
        remap();
    stale_ = false;
    stamp_ = scheme.changeStamp();
}

// The items the columns should hold, oldest first.
void ValueTrend::collectWanted(const Scheme& scheme) {
    everyItem_ = std::size_t(scheme.ItemCount) <= maxColumns_;
    wanted_.clear();
    for (CPoint* item = scheme.ItemTail; item && wanted_.size() < maxColumns_; item = item->Prev)
        if (everyItem_ || watched(item))
            wanted_.push_back(item);
}

// Compared by Seq: an item made where a destroyed one lay has the same address.
bool ValueTrend::wantedMatchesColumns() const {
    if (wanted_.size() != seqs_.size())
        return false;
    for (std::size_t i = 0; i < wanted_.size(); ++i)
        if (wanted_[i]->Seq != seqs_[i])
            return false;
    return true;
}

// Moves every held row into the wanted columns: a column kept keeps its values, a new one
// starts without any.
void ValueTrend::remap() {
    std::unordered_map<std::uint64_t, std::size_t> oldColumn;
    for (std::size_t i = 0; i < seqs_.size(); ++i)
        oldColumn.emplace(seqs_[i], i);
    const std::size_t oldWidth = seqs_.size(), width = wanted_.size();
    std::vector<float> values(steps_ * width, Missing);
    for (std::size_t j = 0; j < width; ++j) {
        const auto found = oldColumn.find(wanted_[j]->Seq);
        if (found == oldColumn.end())
            continue;
        for (std::size_t r = 0; r < steps_; ++r)
            values[r * width + j] = values_[r * oldWidth + found->second];
    }
    values_.swap(values);
    items_ = wanted_;
    seqs_.resize(width);
    for (std::size_t j = 0; j < width; ++j)
        seqs_[j] = wanted_[j]->Seq;
}

void ValueTrend::watch(const CPoint* item) {
    const auto at = std::lower_bound(watched_.begin(), watched_.end(), item->Seq);
    if (at == watched_.end() || *at != item->Seq)
        watched_.insert(at, item->Seq);
    stale_ = true;
}

void ValueTrend::unwatch(const CPoint* item) {
    const auto at = std::lower_bound(watched_.begin(), watched_.end(), item->Seq);
    if (at != watched_.end() && *at == item->Seq)
        watched_.erase(at);
    stale_ = true;
}

bool ValueTrend::watched(const CPoint* item) const {
    return std::binary_search(watched_.begin(), watched_.end(), item->Seq);
}

std::vector<CPoint*> ValueTrend::watchedItems(const Scheme& scheme) const {
    std::vector<CPoint*> items;
    for (CPoint* item = scheme.ItemTail; item && items.size() < watched_.size(); item = item->Prev)
        if (watched(item))
            items.push_back(item);
    return items;
}

std::optional<std::size_t> ValueTrend::columnOf(const CPoint* item) const {
    const auto at = std::find(items_.begin(), items_.end(), item);
    if (at == items_.end())
        return std::nullopt;
    return std::size_t(at - items_.begin());
}

float ValueTrend::value(std::size_t column, std::int64_t step) const {
    if (column >= items_.size() || step < firstStep_ || step > lastStep())
        return Missing;
    const std::size_t index = (start_ + std::size_t(step - firstStep_)) % steps_;
    return values_[index * items_.size() + column];
}

} // namespace lumeris
