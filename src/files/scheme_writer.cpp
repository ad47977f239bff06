#include "scheme_writer.h"

#include "files/text_fields.h"
#include "text/numbers.h"

namespace lumeris {

namespace {

bool chosen(const CPoint* item) {
    return item->Mark == 2;
}

bool chosen(const CLink* link) {
    return chosen(link->From) && chosen(link->To);
}

int entriesOfChosenItems(const CPoint* projection) {
    int n = 0;
    for (const ViewEntry* e = projection->ViewEntries; e; e = e->Next)
        n += chosen(e->Item) ? 1 : 0;
    return n;
}

void appendHeaderValues(std::string& line, const Scheme& scheme, const ViewState& view,
                        const Document& doc) {
    int items = 0, links = 0, views = 0;
    for (const CPoint* p = scheme.ItemList; p; p = p->Next) {
        items += chosen(p) ? 1 : 0;
        views += chosen(p) && p->Type == TypeProjection ? 1 : 0;
    }
    for (const CLink* l = scheme.LinkList; l; l = l->Next)
        links += chosen(l) ? 1 : 0;
    for (int count : {items, links, views}) {
        appendInteger(line, count);
        line += '\t';
    }
    appendInteger(line, view.ScreenX);
    line += '\t';
    appendInteger(line, view.ScreenY);
    line += '\t';
    appendReal(line, view.Scale);
    line += '\t';
    appendPlainField(line, doc.BackGroundImage);
}

void appendItem(std::string& line, const CPoint* p) {
    for (std::int64_t number :
         {std::int64_t{p->id}, std::int64_t{p->X}, std::int64_t{p->Y}, std::int64_t{p->Type}}) {
        appendInteger(line, number);
        line += '\t';
    }
    for (float real : {p->Value, p->AndOr, p->Custom}) {
        appendReal(line, real);
        line += '\t';
    }
    appendInteger(line, p->IsCust);
    line += p->Vis ? "\t1\t" : "\t0\t";
    for (const std::string* field : {&p->Name, &p->url, &p->photo}) {
        appendPlainField(line, *field);
        line += '\t';
    }
    appendTextField(line, p->text);
}

void appendLink(std::string& line, const CLink* l) {
    appendInteger(line, l->From->id);
    line += '\t';
    appendInteger(line, l->To->id);
    line += '\t';
    appendReal(line, l->Value);
    line += '\t';
    appendReal(line, l->AndOr);
    line += '\t';
    appendPlainField(line, l->Name);
}

void appendEntry(std::string& line, const ViewEntry* e) {
    appendInteger(line, e->Item->id);
    line += '\t';
    appendInteger(line, e->DX);
    line += '\t';
    appendInteger(line, e->DY);
    line += e->Vis ? "\t1" : "\t0";
}

// The writer's steps; `emit` receives each finished line (the buffer is reused afterwards).
template <class Emit>
void writeLines(const Scheme& scheme, const ViewState& view, const Document& doc, Emit emit) {
    std::string line;
    auto add = [&](auto&& append) {
        line.clear();
        append(line);
        emit(line);
    };
    add([](std::string& s) { s = VersionLine; });
    add([](std::string& s) { s = HeaderCaption; });
    add([&](std::string& s) { appendHeaderValues(s, scheme, view, doc); });

    add([](std::string& s) { s = ItemCaption; });
    for (const CPoint* p = scheme.ItemTail; p; p = p->Prev)
        if (chosen(p))
            add([&](std::string& s) { appendItem(s, p); });

    add([](std::string& s) { s = LinkCaption; });
    for (const CLink* l = scheme.LinkTail; l; l = l->Prev)
        if (chosen(l))
            add([&](std::string& s) { appendLink(s, l); });

    add([](std::string& s) { s = ViewsCaption; });
    for (const CPoint* p = scheme.ItemList; p; p = p->Next) {
        if (!chosen(p) || p->Type != TypeProjection)
            continue;
        add([&](std::string& s) {
            s = ' ';
            appendInteger(s, p->id);
            s += '\t';
            appendInteger(s, entriesOfChosenItems(p));
        });
        for (const ViewEntry* e = p->ViewEntries; e; e = e->Next)
            if (chosen(e->Item))
                add([&](std::string& s) { appendEntry(s, e); });
    }
}

} // namespace

std::vector<std::string> writeScheme(const Scheme& scheme, const ViewState& view,
                                     const Document& doc) {
    std::vector<std::string> lines;
    writeLines(scheme, view, doc, [&](const std::string& line) { lines.push_back(line); });
    return lines;
}

std::string chosenBytes(const Scheme& scheme, const ViewState& view, const Document& doc) {
    std::string bytes;
    writeLines(scheme, view, doc, [&](const std::string& line) {
        bytes += line;
        bytes += "\r\n";
    });
    return bytes;
}

std::string saveBytes(Scheme& scheme, const ViewState& view, const Document& doc) {
    for (CPoint* p = scheme.ItemList; p; p = p->Next)
        p->Mark = 2;
    std::string bytes = chosenBytes(scheme, view, doc);
    bytes += "\r\n";
    for (CPoint* p = scheme.ItemList; p; p = p->Next)
        p->Mark = 0;
    return bytes;
}

} // namespace lumeris
