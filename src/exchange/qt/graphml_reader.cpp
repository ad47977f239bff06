#include "exchange/fields.h"
#include "exchange/qt/graphml.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <vector>

namespace lumeris {

namespace {

enum class Field : unsigned { None, Name, X, Y, Value, Type, Url, Text, Fixed, AndOr, Weight };

enum Scope : unsigned { ForNode = 1, ForEdge = 2 };

struct Key {
    QString id;
    Field field = Field::None;
    unsigned scope = 0;
    std::optional<QString> fallback; // the key's <default>
};

Field fieldNamed(const QString& attrName) {
    static const QHash<QString, Field> Fields = {
        {"name", Field::Name},   {"label", Field::Name},    {"x", Field::X},
        {"y", Field::Y},         {"value", Field::Value},   {"type", Field::Type},
        {"url", Field::Url},     {"text", Field::Text},     {"fixed", Field::Fixed},
        {"andor", Field::AndOr}, {"weight", Field::Weight},
    };
    return Fields.value(attrName.toLower(), Field::None);
}

unsigned scopeNamed(QStringView forWhat) {
    if (forWhat.isEmpty() || forWhat == u"all")
        return ForNode | ForEdge;
    if (forWhat == u"node")
        return ForNode;
    return forWhat == u"edge" ? ForEdge : 0u;
}

unsigned bit(Field field) {
    return 1u << static_cast<unsigned>(field);
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

// An edge as the file gives it; its ends are found once every node is known, because a file
// may name a node before declaring it.
struct PendingEdge {
    QString source, target;
    bool directed = true;
    ExchangeEdge edge;
    int line = 0, column = 0;
};

class GraphmlReader {
  public:
    explicit GraphmlReader(std::string_view bytes)
        : xml_(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()))) {}

    ExchangeRead run() {
        if (readRoot()) {
            while (!error_ && xml_.readNextStartElement()) {
                if (xml_.name() == u"key")
                    readKey();
                else if (xml_.name() == u"graph")
                    readGraph();
                else
                    xml_.skipCurrentElement();
            }
        }
        if (!error_ && xml_.hasError())
            fail(ExchangeFault::BadXml, xml_.errorString());
        if (!error_)
            resolveEdges();
        result_.error = error_;
        if (error_)
            result_.graph = {};
        return std::move(result_);
    }

  private:
    bool readRoot() {
        if (!xml_.readNextStartElement())
            return false; // an empty or broken document: the XML error says which
        if (xml_.name() != u"graphml")
            fail(ExchangeFault::NotGraphml);
        return !error_;
    }

    void readKey() {
        const QXmlStreamAttributes attributes = xml_.attributes();
        Key key{attributes.value("id").toString(),
                fieldNamed(attributes.value("attr.name").toString()),
                scopeNamed(attributes.value("for")), std::nullopt};
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"default")
                key.fallback = xml_.readElementText(QXmlStreamReader::IncludeChildElements);
            else
                xml_.skipCurrentElement();
        }
        if (key.field == Field::None)
            return;
        if (key.fallback)
            withDefaults_.push_back(key);
        keys_.push_back(std::move(key));
    }

    void readGraph() {
        const bool directed = xml_.attributes().value("edgedefault") != u"undirected";
        while (!error_ && xml_.readNextStartElement()) {
            if (xml_.name() == u"node")
                readNode();
            else if (xml_.name() == u"edge")
                readEdge(directed);
            else
                skipOther();
        }
    }

    void readNode() {
        const QString id = xml_.attributes().value("id").toString();
        if (id.isEmpty())
            return fail(ExchangeFault::MissingNodeId);
        if (nodeIndex_.contains(id))
            return fail(ExchangeFault::DuplicateNodeId, id);
        ExchangeNode node;
        unsigned given = 0;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"data")
                readData(ForNode, given, [&](Field f, const QString& t) { setNode(node, f, t); });
            else if (xml_.name() == u"graph")
                skipNestedGraph();
            else
                xml_.skipCurrentElement();
        }
        applyDefaults(ForNode, given, [&](Field f, const QString& t) { setNode(node, f, t); });
        if (!(given & bit(Field::Name)))
            node.name = lineField(utf8(id));
        nodeIndex_.insert(id, result_.graph.nodes.size());
        result_.graph.nodes.push_back(std::move(node));
    }

    void readEdge(bool directedGraph) {
        const QXmlStreamAttributes attributes = xml_.attributes();
        PendingEdge pending{attributes.value("source").toString(),
                            attributes.value("target").toString(),
                            directedGraph,
                            {},
                            static_cast<int>(xml_.lineNumber()),
                            column()};
        if (attributes.hasAttribute("directed"))
            pending.directed = attributes.value("directed") != u"false";
        if (pending.source.isEmpty() || pending.target.isEmpty())
            return fail(ExchangeFault::MissingEdgeEnd);
        unsigned given = 0;
        const auto set = [&](Field f, const QString& t) { setEdge(pending.edge, f, t); };
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"data")
                readData(ForEdge, given, set);
            else
                xml_.skipCurrentElement();
        }
        applyDefaults(ForEdge, given, set);
        edges_.push_back(std::move(pending));
    }

    // A <data> element of a node or an edge; keys of other scopes and unknown keys are
    // skipped. A field takes the first value given for it.
    template <typename Set> void readData(unsigned scope, unsigned& given, Set set) {
        const Key* key = findKey(xml_.attributes().value("key"));
        if (!key || !(key->scope & scope)) {
            xml_.skipCurrentElement();
            return;
        }
        const QString text = xml_.readElementText(QXmlStreamReader::IncludeChildElements);
        if (given & bit(key->field))
            return;
        given |= bit(key->field);
        set(key->field, text);
    }

    // Files declare a few keys and use them on every element: a scan beats building a string
    // to hash for each lookup.
    const Key* findKey(QStringView id) const {
        for (const Key& key : keys_)
            if (key.id == id)
                return &key;
        return nullptr;
    }

    template <typename Set> void applyDefaults(unsigned scope, unsigned& given, Set set) {
        for (const Key& key : withDefaults_)
            if ((key.scope & scope) && !(given & bit(key.field))) {
                given |= bit(key.field);
                set(key.field, *key.fallback);
            }
    }

    void skipOther() {
        if (xml_.name() == u"hyperedge")
            ++result_.graph.notes.hyperedges;
        xml_.skipCurrentElement();
    }

    // Nodes inside a nested graph are left out, and so are the edges that name them.
    void skipNestedGraph() {
        ++result_.graph.notes.nestedGraphs;
        for (int depth = 1; depth > 0 && !xml_.atEnd();) {
            const QXmlStreamReader::TokenType token = xml_.readNext();
            if (token == QXmlStreamReader::StartElement) {
                ++depth;
                if (xml_.name() == u"node")
                    nestedNodes_.insert(xml_.attributes().value("id").toString());
            } else if (token == QXmlStreamReader::EndElement) {
                --depth;
            }
        }
    }

    // Any finite decimal number, exponents allowed, blanks around it ignored.
    std::optional<double> number(const QString& text) {
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (ok && std::isfinite(value))
            return value;
        ++result_.graph.notes.notNumbers;
        return std::nullopt;
    }

    void setNode(ExchangeNode& node, Field field, const QString& text) {
        ImportNotes& notes = result_.graph.notes;
        switch (field) {
        case Field::Name:
            node.name = lineField(utf8(text));
            return;
        case Field::Url:
            node.url = lineField(utf8(text));
            return;
        case Field::Text:
            node.text = textField(utf8(text));
            return;
        case Field::X:
        case Field::Y:
            if (const auto value = number(text))
                (field == Field::X ? node.x : node.y) = coordinate(*value);
            return;
        case Field::Type:
            if (const auto value = number(text); value && *value >= 0 &&
                                                 *value <= double{TypeLispVector} &&
                                                 *value == static_cast<int>(*value))
                node.type = static_cast<std::uint8_t>(*value);
            else if (value)
                ++notes.notNumbers;
            return;
        case Field::Value:
        case Field::Fixed:
            if (const auto value = number(text))
                (field == Field::Value ? node.value : node.fixed) =
                    clampCounted(*value, -1, 1, notes);
            return;
        case Field::AndOr:
            if (const auto value = number(text))
                node.andOr = clampCounted(*value, 0, 1, notes);
            return;
        case Field::Weight:
        case Field::None:
            return;
        }
    }

    void setEdge(ExchangeEdge& edge, Field field, const QString& text) {
        if (field == Field::Name)
            edge.name = lineField(utf8(text));
        else if (field == Field::Weight || field == Field::AndOr)
            if (const auto value = number(text))
                (field == Field::Weight ? edge.weight : edge.andOr.emplace()) =
                    clampCounted(*value, field == Field::Weight ? -1 : 0, 1, result_.graph.notes);
    }

    void resolveEdges() {
        std::vector<ExchangeEdge>& edges = result_.graph.edges;
        edges.reserve(edges_.size());
        for (PendingEdge& pending : edges_) {
            const auto from = nodeIndex_.constFind(pending.source);
            const auto to = nodeIndex_.constFind(pending.target);
            if (from == nodeIndex_.constEnd() || to == nodeIndex_.constEnd()) {
                const QString& missing =
                    from == nodeIndex_.constEnd() ? pending.source : pending.target;
                if (nestedNodes_.contains(missing))
                    continue;
                error_ = ExchangeError{ExchangeFault::UnknownNode, pending.line, pending.column,
                                       utf8(missing)};
                return;
            }
            pending.edge.from = *from;
            pending.edge.to = *to;
            edges.push_back(pending.edge);
            if (!pending.directed && *from != *to) {
                std::swap(pending.edge.from, pending.edge.to);
                edges.push_back(std::move(pending.edge));
            }
        }
    }

    // The column of the last character read: the ">" that ends the element's start tag, or
    // where the XML stopped making sense.
    int column() const { return std::max(1, static_cast<int>(xml_.columnNumber())); }

    void fail(ExchangeFault fault, const QString& detail = {}) {
        error_ = ExchangeError{fault, static_cast<int>(xml_.lineNumber()), column(), utf8(detail)};
    }

    QXmlStreamReader xml_;
    std::vector<Key> keys_;
    std::vector<Key> withDefaults_;
    QHash<QString, std::size_t> nodeIndex_;
    QSet<QString> nestedNodes_;
    std::vector<PendingEdge> edges_;
    ExchangeRead result_;
    std::optional<ExchangeError> error_;
};

} // namespace

ExchangeRead readGraphml(std::string_view bytes) {
    return GraphmlReader(bytes).run();
}

} // namespace lumeris
