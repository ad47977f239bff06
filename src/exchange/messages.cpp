#include "exchange/messages.h"

namespace lumeris {

namespace {

std::string what(const ExchangeError& error) {
    switch (error.fault) {
    case ExchangeFault::BadXml:
        return "not well-formed XML (" + error.detail + ")";
    case ExchangeFault::NotGraphml:
        return "the document is not GraphML";
    case ExchangeFault::MissingNodeId:
        return "a node without an id";
    case ExchangeFault::DuplicateNodeId:
        return "a second node with the id \"" + error.detail + "\"";
    case ExchangeFault::MissingEdgeEnd:
        return "an edge without a source or a target";
    case ExchangeFault::UnknownNode:
        return "an edge names the node \"" + error.detail + "\", which the graph does not hold";
    case ExchangeFault::UnclosedQuote:
        return "a quoted field is never closed";
    case ExchangeFault::StrayQuote:
        return "a quote inside a field that is not quoted, or after a closing one";
    case ExchangeFault::NoHeader:
        return "the first line must name the columns From and To";
    case ExchangeFault::MissingField:
        return "the line has no From or no To field";
    case ExchangeFault::BadWeight:
        return "the weight is not a number";
    }
    return {};
}

} // namespace

std::string describeError(const ExchangeError& error) {
    std::string text = "Error in data, line " + std::to_string(error.line);
    if (error.column > 0)
        text += ", column " + std::to_string(error.column);
    return text + ": " + what(error);
}

std::string describeNotes(const ImportNotes& notes) {
    std::string text;
    if (notes.clamped)
        text += std::to_string(notes.clamped) + " numbers outside their range were clamped\n";
    if (notes.notNumbers)
        text += std::to_string(notes.notNumbers) + " fields that are no numbers were ignored\n";
    if (notes.nestedGraphs)
        text += std::to_string(notes.nestedGraphs) + " nested graphs were skipped\n";
    if (notes.hyperedges)
        text += std::to_string(notes.hyperedges) + " hyperedges were skipped\n";
    return text;
}

} // namespace lumeris
