// GraphML, the XML graph format of network editors and graph libraries, read and written
// with Qt's XML stream classes (Qt Core only: no display is needed).
#pragma once

#include "exchange/graph.h"
#include "model/scheme.h"

#include <string>
#include <string_view>

namespace lumeris {

// Reads any directed or undirected GraphML. Data keys are recognised by their attr.name
// (without regard to case): a node's name comes from "name" or "label", whichever it has
// first, else from its id; "x" and "y" place it; "value", "type", "url", "text", "fixed" and
// "andor" fill the other fields an export writes. An edge takes "weight" (1 when absent) as
// its coefficient, "andor" and "name". Numbers are clamped into their ranges; numeric data
// that is no number is ignored. Undirected edges become two edges, one each way; nested
// graphs and hyperedges are skipped and counted in the notes. Keys' defaults apply.
// Malformed XML, or a graph whose edges name missing nodes, gives an error with its line
// and column and no graph.
ExchangeRead readGraphml(std::string_view bytes);

// The scheme as GraphML in UTF-8: a directed graph with one node per item (id "n" + the
// item's id) carrying name, x, y, value, type, url, text, andor and, for an item that
// holds its fixed value, fixed; one edge per link carrying weight, andor and name. Items and
// links come oldest first.
std::string writeGraphml(const Scheme& scheme);

} // namespace lumeris
