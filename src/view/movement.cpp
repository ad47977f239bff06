#include "view/movement.h"

#include <algorithm>
#include <cmath>
#include <limits>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

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
    scheme.journal().noteDrift(scheme);
    {
        BusyGuard busy(scheme);
        n_ = static_cast<float>(1 + scheme.ItemCount);
        length_ = std::sqrt(scale) * (static_cast<float>(width) / std::sqrt(n_ + 10.0f)) * 2.0f;
        maxSpeed_ = std::trunc(10.0f * length_);
        if (!std::isfinite(maxSpeed_))
            maxSpeed_ = 0;
        collectIncidentLinks(scheme);
        xs_.clear(), ys_.clear(), values_.clear();
        for (const CPoint* p = scheme.ItemList; p; p = p->Next) {
            xs_.push_back(static_cast<float>(p->X));
            ys_.push_back(static_cast<float>(p->Y));
            values_.push_back(p->Value);
        }
        pushX_.resize(xs_.size());
        pushY_.resize(xs_.size());
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

    repulsionTerms(index);
    for (std::size_t r = 0; r < pushX_.size(); ++r) {
        fx = fx - pushX_[r];
        fy = fy - pushY_[r];
    }

    p->VelX = (clamp(fx, maxSpeed_) + 2.0f * p->VelX) / 3.0f;
    p->VelY = (clamp(fy, maxSpeed_) + 2.0f * p->VelY) / 3.0f;
    p->X = advance(p->X, p->VelX);
    p->Y = advance(p->Y, p->VelY);
    xs_[index] = static_cast<float>(p->X);
    ys_[index] = static_cast<float>(p->Y);
}

// Fills pushX_ and pushY_ with (R - P) x M for every other item R, in list order, so that
// the caller subtracts them in that order. The terms are independent of each other, so they
// are computed four at a time; every operation is the same IEEE single-precision operation
// as in the scalar form, so the results are identical. A pair whose M is not finite (two
// items at one point far from the origin, where the 0.0001 offset vanishes) adds no force,
// as the formula gives nearer the origin where R - P is 0 as well: its term is +0, which
// leaves any sum unchanged. So is P's own slot.
void MovementStep::repulsionTerms(std::size_t index) {
    const float px = xs_[index], py = ys_[index], pv = values_[index];
    const float twoL = 2.0f * length_;
    const std::size_t count = xs_.size();
    std::size_t r = 0;
#if defined(__SSE2__)
    const __m128 vpx = _mm_set1_ps(px), vpy = _mm_set1_ps(py), vpv = _mm_set1_ps(pv);
    const __m128 offset = _mm_set1_ps(0.0001f), one = _mm_set1_ps(1.0f);
    const __m128 vtwoL = _mm_set1_ps(twoL), vn = _mm_set1_ps(n_);
    const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF));
    const __m128 infinity = _mm_set1_ps(std::numeric_limits<float>::infinity());
    for (; r + 4 <= count; r += 4) {
        const __m128 rx = _mm_loadu_ps(&xs_[r]), ry = _mm_loadu_ps(&ys_[r]);
        const __m128 ex = _mm_sub_ps(_mm_add_ps(rx, offset), vpx);
        const __m128 ey = _mm_sub_ps(_mm_add_ps(ry, offset), vpy);
        const __m128 e = _mm_sqrt_ps(_mm_add_ps(_mm_mul_ps(ex, ex), _mm_mul_ps(ey, ey)));
        const __m128 push = _mm_div_ps(vtwoL, e);
        const __m128 strength =
            _mm_add_ps(_mm_and_ps(_mm_add_ps(_mm_loadu_ps(&values_[r]), vpv), magnitude), one);
        const __m128 M = _mm_div_ps(_mm_mul_ps(strength, _mm_mul_ps(push, push)), vn);
        const __m128 finite = _mm_cmplt_ps(_mm_and_ps(M, magnitude), infinity);
        _mm_storeu_ps(&pushX_[r], _mm_and_ps(_mm_mul_ps(_mm_sub_ps(rx, vpx), M), finite));
        _mm_storeu_ps(&pushY_[r], _mm_and_ps(_mm_mul_ps(_mm_sub_ps(ry, vpy), M), finite));
    }
#endif
    for (; r < count; ++r) {
        const float ex = xs_[r] + 0.0001f - px;
        const float ey = ys_[r] + 0.0001f - py;
        const float e = std::sqrt(ex * ex + ey * ey);
        const float push = twoL / e;
        const float M = (std::fabs(values_[r] + pv) + 1.0f) * (push * push) / n_;
        const bool finite = std::isfinite(M);
        pushX_[r] = finite ? (xs_[r] - px) * M : 0.0f;
        pushY_[r] = finite ? (ys_[r] - py) * M : 0.0f;
    }
    pushX_[index] = pushY_[index] = 0.0f;
}

} // namespace lumeris
