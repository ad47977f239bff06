// The network generator: a grid of items in rows and columns where every item of a row is
// linked to every item of the row below it, optionally with random values and coefficients.
#pragma once

#include "model/scheme.h"
#include "wording/user_text.h"

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace lumeris {

struct NetworkShape {
    int Rows = 3;
    int Cols = 10;
    int DX = 64; // distance between columns, world units
    int DY = 64; // distance between rows; row 1 is the lowest
};

// The dialog's four fields as typed.
struct NetworkFields {
    std::string Rows = "3";
    std::string RowStep = "64";
    std::string Cols = "10";
    std::string ColStep = "64";
};

// Reads the fields as decimal integers, in the order columns, rows, column step, row step.
// Returns the conversion's message for the first field without a number (shape unchanged
// from that field on), or an empty text.
UserText readNetworkShape(const NetworkFields& fields, NetworkShape& shape);

// Creates Rows x Cols items named n[r,c] at (x0 + c DX, y0 - r DY) and the links from each
// item of row r - 1 to each item of row r. Without `random` every value and coefficient is
// 1; with it each is drawn as a whole number 0..200, divided by 100, minus 1 (items first,
// then links, in creation order).
void generateNetwork(Scheme& scheme, const NetworkShape& shape, std::int32_t x0, std::int32_t y0,
                     std::mt19937* random);

} // namespace lumeris
