#include "view/movement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumeris {

namespace {

float sign(float x) {
    return x > 0 ? 1.0f : (x < 0 ? -1.0f : 0.0f);
}

float clamp(float x, float limit) {
    return x < -limit ? -limit : (x > limit ? limit : x);
}

// Adds a truncated velocity to a coordinate without leaving the 32-bit range.
std::int32_t advance(std::int32_t coordinate, float velocity) {
    const double moved = static_cast<double>(coordinate) + std::trunc(velocity);
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(moved, lo, hi));
}

} // namespace

void MovementStep::run(Scheme& scheme, float scale, std::int32_t width) {
    if (scheme.BusyDepth >= 2)
        return;
    {
        BusyGuard busy(scheme);
        n_ = static_cast<float>(1 + scheme.ItemCount);
        length_ = std::sqrt(scale) * (static_cast<float>(width) / std::sqrt(n_ + 10.0f)) * 2.0f;
        maxSpeed_ = std::trunc(10.0f * length_);
        if (!std::isfinite(maxSpeed_))
            maxSpeed_ = 0;
        collectIncidentLinks(scheme);
        std::size_t index = 0;
        for (CPoint* p = scheme.ItemList; p; p = p->Next)
            moveItem(scheme, p, index++);
    }
    ++scheme.RedrawRequests;
}

// Groups every link under both of its ends, each group in LinkList order, so that an item's
// link terms are summed in the order a scan of the whole list would give, at the cost of its
// own links only. A link from an item to itself counts once, on its source side.
void MovementStep::collectIncidentLinks(const Scheme& scheme) {
    itemIndex_.clear();
    std::size_t count = 0;
    for (const CPoint* p = scheme.ItemList; p; p = p->Next)
        itemIndex_.emplace_back(p, count++);
    std::sort(itemIndex_.begin(), itemIndex_.end());

    firstIncident_.assign(count + 1, 0);
    for (const CLink* k = scheme.LinkList; k; k = k->Next) {
        ++firstIncident_[indexOf(k->From) + 1];
        if (k->To != k->From)
            ++firstIncident_[indexOf(k->To) + 1];
    }
    for (std::size_t i = 0; i < count; ++i)
        firstIncident_[i + 1] += firstIncident_[i];

    incident_.resize(firstIncident_[count]);
    fill_.assign(firstIncident_.begin(), firstIncident_.end() - 1);
    for (const CLink* k = scheme.LinkList; k; k = k->Next) {
        incident_[fill_[indexOf(k->From)]++] = {k, true};
        if (k->To != k->From)
            incident_[fill_[indexOf(k->To)]++] = {k, false};
    }
}

std::size_t MovementStep::indexOf(const CPoint* item) const {
    const auto at = std::lower_bound(itemIndex_.begin(), itemIndex_.end(),
                                     std::pair<const CPoint*, std::size_t>(item, 0));
    return at->second;
}

bool MovementStep::pinned(const Scheme& scheme, const CPoint* p) {
    return scheme.Selected.item == p || (scheme.EditState == EditGroupChosen && p->Mark == 2);
}

void MovementStep::moveItem(Scheme& scheme, CPoint* p, std::size_t index) {
    if (pinned(scheme, p))
        return;
    const float L = length_;
    const float px = static_cast<float>(p->X);
    const float py = static_cast<float>(p->Y);
    float fx = 0, fy = 0;

    for (std::size_t i = firstIncident_[index]; i < firstIncident_[index + 1]; ++i) {
        const CLink* k = incident_[i].Link;
        const CPoint* q = incident_[i].FromSide ? k->To : k->From;
        const float bias = incident_[i].FromSide ? 1.0f : -2.0f;
        const float qx = static_cast<float>(q->X);
        const float qy = static_cast<float>(q->Y);
        const float dx = px + 0.001f - qx;
        const float dy = py + 0.001f - qy;
        const float d = std::sqrt(dx * dx + dy * dy);
        float N = std::fabs(k->Value) * std::sqrt(std::fabs(d - L)) * sign(d - L) / L * 0.2f;
        // With no usable preferred length the spring has no meaning; only the bias and the
        // velocity share remain.
        if (!std::isfinite(N))
            N = 0;
        fx = fx + (qx - px) * N + q->VelX / n_;
        fy = fy + (qy - py) * N + q->VelY / n_ + bias;
    }

    fx = fx - 0.03f * px;
    fy = fy - 0.03f * py;

    for (const CPoint* r = scheme.ItemList; r; r = r->Next) {
        if (r == p)
            continue;
        const float rx = static_cast<float>(r->X);
        const float ry = static_cast<float>(r->Y);
        const float ex = rx + 0.0001f - px;
        const float ey = ry + 0.0001f - py;
        const float e = std::sqrt(ex * ex + ey * ey);
        const float push = 2.0f * L / e;
        const float M = (std::fabs(r->Value + p->Value) + 1.0f) * (push * push) / n_;
        // Far from the origin the offset vanishes and two items at one point give e = 0:
        // such a pair adds no force, as it does nearer the origin where R - P is 0 too.
        if (!std::isfinite(M))
            continue;
        fx = fx - (rx - px) * M;
        fy = fy - (ry - py) * M;
    }

    p->VelX = (clamp(fx, maxSpeed_) + 2.0f * p->VelX) / 3.0f;
    p->VelY = (clamp(fy, maxSpeed_) + 2.0f * p->VelY) / 3.0f;
    p->X = advance(p->X, p->VelX);
    p->Y = advance(p->Y, p->VelY);
}

} // namespace lumeris
