#include "exchange/node_ids.h"
#include "exchange/qt/graphml.h"
#include "text/numbers.h"
#include "text/utf8_cp1251.h"

#include <QXmlStreamWriter>

namespace lumeris {

namespace {

struct KeyRow {
    const char* id;
    const char* scope;
    const char* name;
    const char* type;
    const char* fallback; // the key's default, left out of the elements that have it
};

// The rows of Keys, in its order.
enum KeyIndex : std::size_t {
    KeyName,
    KeyX,
    KeyY,
    KeyValue,
    KeyType,
    KeyUrl,
    KeyText,
    KeyFixed,
    KeyAndOr,
    KeyWeight,
    KeyEdgeAndOr,
    KeyEdgeName,
};

constexpr KeyRow Keys[] = {
    {"name", "node", "name", "string", nullptr},
    {"x", "node", "x", "int", nullptr},
    {"y", "node", "y", "int", nullptr},
    {"value", "node", "value", "double", "0.0000"},
    {"type", "node", "type", "int", "1"},
    {"url", "node", "url", "string", ""},
    {"text", "node", "text", "string", ""},
    {"fixed", "node", "fixed", "double", nullptr},
    {"andor", "node", "andor", "double", "1.0000"},
    {"weight", "edge", "weight", "double", "1.0000"},
    {"e_andor", "edge", "andor", "double", "0.0000"},
    {"e_name", "edge", "name", "string", ""},
};

// Control characters other than TAB and line breaks have no place in XML 1.0, not even as
// references: they are written as "?", like characters a code page cannot hold.
QString xmlText(const std::string& cp1251) {
    std::string utf8 = cp1251ToUtf8(cp1251);
    for (char& c : utf8)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n')
            c = '?';
    return QString::fromStdString(utf8);
}

QString real(float value) {
    return QString::fromStdString(formatReal(value));
}

class GraphmlWriter {
  public:
    explicit GraphmlWriter(QByteArray& bytes) : xml_(&bytes) { xml_.setAutoFormatting(true); }

    void write(const Scheme& scheme) {
        xml_.writeStartDocument();
        xml_.writeStartElement("graphml");
        xml_.writeDefaultNamespace("http://graphml.graphdrawing.org/xmlns");
        for (const KeyRow& key : Keys) {
            xml_.writeStartElement("key");
            xml_.writeAttribute("id", key.id);
            xml_.writeAttribute("for", key.scope);
            xml_.writeAttribute("attr.name", key.name);
            xml_.writeAttribute("attr.type", key.type);
            if (key.fallback)
                xml_.writeTextElement("default", key.fallback);
            xml_.writeEndElement();
        }
        xml_.writeStartElement("graph");
        xml_.writeAttribute("id", "G");
        xml_.writeAttribute("edgedefault", "directed");
        const auto ids = exportNodeIds(scheme);
        for (const CPoint* item = scheme.ItemTail; item; item = item->Prev)
            writeNode(*item, ids.at(item));
        for (const CLink* link = scheme.LinkTail; link; link = link->Prev)
            writeEdge(*link, ids.at(link->From), ids.at(link->To));
        xml_.writeEndDocument(); // closes the graph and the document element
    }

  private:
    void writeNode(const CPoint& item, const std::string& id) {
        xml_.writeStartElement("node");
        xml_.writeAttribute("id", QString::fromStdString(id));
        data(KeyName, xmlText(item.Name));
        data(KeyX, QString::number(item.X));
        data(KeyY, QString::number(item.Y));
        dataUnlessDefault(KeyValue, real(item.Value));
        dataUnlessDefault(KeyType, QString::number(item.Type));
        dataUnlessDefault(KeyUrl, xmlText(item.url));
        dataUnlessDefault(KeyText, xmlText(item.text));
        if (item.IsCust == 1)
            data(KeyFixed, real(item.Custom));
        dataUnlessDefault(KeyAndOr, real(item.AndOr));
        xml_.writeEndElement();
    }

    void writeEdge(const CLink& link, const std::string& from, const std::string& to) {
        xml_.writeStartElement("edge");
        xml_.writeAttribute("source", QString::fromStdString(from));
        xml_.writeAttribute("target", QString::fromStdString(to));
        dataUnlessDefault(KeyWeight, real(link.Value));
        dataUnlessDefault(KeyEdgeAndOr, real(link.AndOr));
        dataUnlessDefault(KeyEdgeName, xmlText(link.Name));
        xml_.writeEndElement();
    }

    void dataUnlessDefault(KeyIndex key, const QString& text) {
        if (text != QLatin1String(Keys[key].fallback))
            data(key, text);
    }

    void data(KeyIndex key, const QString& text) {
        xml_.writeStartElement("data");
        xml_.writeAttribute("key", Keys[key].id);
        xml_.writeCharacters(text);
        xml_.writeEndElement();
    }

    QXmlStreamWriter xml_;
};

} // namespace

std::string writeGraphml(const Scheme& scheme) {
    QByteArray bytes;
    GraphmlWriter(bytes).write(scheme);
    return bytes.toStdString();
}

} // namespace lumeris
