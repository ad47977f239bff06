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
};

constexpr KeyRow Keys[] = {
    {"name", "node", "name", "string"},
    {"x", "node", "x", "int"},
    {"y", "node", "y", "int"},
    {"value", "node", "value", "double"},
    {"type", "node", "type", "int"},
    {"url", "node", "url", "string"},
    {"text", "node", "text", "string"},
    {"fixed", "node", "fixed", "double"},
    {"andor", "node", "andor", "double"},
    {"weight", "edge", "weight", "double"},
    {"e_andor", "edge", "andor", "double"},
    {"e_name", "edge", "name", "string"},
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
            xml_.writeEmptyElement("key");
            xml_.writeAttribute("id", key.id);
            xml_.writeAttribute("for", key.scope);
            xml_.writeAttribute("attr.name", key.name);
            xml_.writeAttribute("attr.type", key.type);
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
        data("name", xmlText(item.Name));
        data("x", QString::number(item.X));
        data("y", QString::number(item.Y));
        data("value", real(item.Value));
        data("type", QString::number(item.Type));
        if (!item.url.empty())
            data("url", xmlText(item.url));
        if (!item.text.empty())
            data("text", xmlText(item.text));
        if (item.IsCust == 1)
            data("fixed", real(item.Custom));
        data("andor", real(item.AndOr));
        xml_.writeEndElement();
    }

    void writeEdge(const CLink& link, const std::string& from, const std::string& to) {
        xml_.writeStartElement("edge");
        xml_.writeAttribute("source", QString::fromStdString(from));
        xml_.writeAttribute("target", QString::fromStdString(to));
        data("weight", real(link.Value));
        data("e_andor", real(link.AndOr));
        if (!link.Name.empty())
            data("e_name", xmlText(link.Name));
        xml_.writeEndElement();
    }

    void data(const char* key, const QString& text) {
        xml_.writeStartElement("data");
        xml_.writeAttribute("key", key);
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
