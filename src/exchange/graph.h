// A graph read from another tool's file, before it becomes part of a scheme: the readers fill
// it completely or report an error, so that a malformed file adds nothing to the scheme.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumeris {

// Texts are Windows-1251, as the model keeps them; fields left unset keep the defaults of a
// new item.
struct ExchangeNode {
    std::string name;
    std::optional<std::int32_t> x, y; // a position needs both
    std::optional<float> value;
    std::optional<std::uint8_t> type;
    std::string url;
    std::string text; // line breaks as CR LF
    std::optional<float> fixed;
    std::optional<float> andOr;
};

struct ExchangeEdge {
    std::size_t from = 0; // indexes into ExchangeGraph::nodes
    std::size_t to = 0;
    float weight = 1.0f;
    std::optional<float> andOr;
    std::string name;
};

// What the user is told after a good import: what was changed or left out.
struct ImportNotes {
    int clamped = 0;      // numbers brought into -1..1 (0..1 for and/or)
    int notNumbers = 0;   // numeric fields whose text was no number, left at their defaults
    int nestedGraphs = 0; // skipped with every node and edge inside them
    int hyperedges = 0;   // skipped

    bool empty() const { return !clamped && !notNumbers && !nestedGraphs && !hyperedges; }
};

struct ExchangeGraph {
    std::vector<ExchangeNode> nodes;
    std::vector<ExchangeEdge> edges; // an undirected edge is already two edges
    ImportNotes notes;
};

enum class ExchangeFault {
    BadXml,          // detail: the XML parser's own message
    NotGraphml,      // the document element is not <graphml>
    MissingNodeId,   //
    DuplicateNodeId, // detail: the id
    MissingEdgeEnd,  // an edge without source or target
    UnknownNode,     // detail: the id an edge names
    UnclosedQuote,   // a quoted CSV field runs to the end of the file
    StrayQuote,      // a quote inside an unquoted CSV field, or text after a closing one
    NoHeader,        // the first CSV row names no From and To columns
    MissingField,    // a CSV row ends before its From or To field
    BadWeight,       // a CSV weight that is no number
};

struct ExchangeError {
    ExchangeFault fault;
    int line = 0;       // counted from 1
    int column = 0;     // counted from 1; 0 where the format has none (CSV)
    std::string detail; // UTF-8
};

struct ExchangeRead {
    ExchangeGraph graph;
    std::optional<ExchangeError> error;

    explicit operator bool() const { return !error; }
};

} // namespace lumeris
