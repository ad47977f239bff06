#include "import/network.h"

#include <charconv>
#include <optional>
#include <vector>

namespace lumeris {

namespace {

std::optional<int> parseInteger(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool readField(const std::string& text, int& value, UserText& error) {
    const std::optional<int> number = parseInteger(text);
    if (!number) {
        error = userText("Network", "'%1' is not a valid integer value").arg(text);
        return false;
    }
    value = *number;
    return true;
}

// origin + steps x step, wrapping like 32-bit arithmetic rather than overflowing.
std::int32_t place(std::int32_t origin, int steps, int step) {
    return static_cast<std::int32_t>(static_cast<std::int64_t>(origin) +
                                     static_cast<std::int64_t>(steps) * step);
}

float drawValue(std::mt19937& random) {
    return static_cast<float>(static_cast<int>(random() % 201) / 100.0 - 1.0);
}

} // namespace

UserText readNetworkShape(const NetworkFields& fields, NetworkShape& shape) {
    UserText error;
    const bool read =
        readField(fields.Cols, shape.Cols, error) && readField(fields.Rows, shape.Rows, error) &&
        readField(fields.ColStep, shape.DX, error) && readField(fields.RowStep, shape.DY, error);
    return read ? UserText() : error;
}

void generateNetwork(Scheme& scheme, const NetworkShape& shape, std::int32_t x0, std::int32_t y0,
                     std::mt19937* random) {
    if (shape.Rows <= 0 || shape.Cols <= 0)
        return;
    BusyGuard busy(scheme);
    const auto cols = static_cast<std::size_t>(shape.Cols);
    std::vector<CPoint*> table(static_cast<std::size_t>(shape.Rows) * cols);
    auto at = [&](int r, int c) -> CPoint*& { return table[(r - 1) * cols + (c - 1)]; };

    for (int r = 1; r <= shape.Rows; ++r)
        for (int c = 1; c <= shape.Cols; ++c) {
            const std::string name = "n[" + std::to_string(r) + "," + std::to_string(c) + "]";
            CPoint* item = scheme.createItem(name, place(x0, c, shape.DX), place(y0, -r, shape.DY));
            item->Value = random ? drawValue(*random) : 1.0f;
            at(r, c) = item;
        }

    for (int r = 2; r <= shape.Rows; ++r)
        for (int c = 1; c <= shape.Cols; ++c)
            for (int source = 1; source <= shape.Cols; ++source) {
                CLink* link = scheme.createLink(at(r - 1, source), at(r, c));
                link->Value = random ? drawValue(*random) : 1.0f;
            }
}

} // namespace lumeris
