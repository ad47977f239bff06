// Import and export of the sparse 100,000-item net (three links out of every item) in GraphML
// and CSV, beside reading and writing the same scheme as a scheme file, measured in the same
// run. Targets: a CSV import within 3x of reading the scheme file; a GraphML import within 2x
// of Qt's XML streams merely tokenizing the same text (they are the bulk of its cost).
#include "exchange/csv.h"
#include "exchange/place.h"
#include "exchange/qt/graphml.h"
#include "files/scheme_reader.h"
#include "files/scheme_writer.h"
#include "text/lines.h"

#include <QXmlStreamReader>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>

using namespace lumeris;

namespace {

constexpr int Runs = 3;

double bestMilliseconds(const std::function<void()>& setUp, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < Runs; ++i) {
        setUp();
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void sparseNet(Scheme& s, int items, int outLinks) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> coefficient(-0.5f, 0.5f), value(-1.0f, 1.0f);
    std::vector<CPoint*> all;
    for (int i = 0; i < items; ++i) {
        CPoint* p = s.createItem("s" + std::to_string(i), i % 1000 * 32, i / 1000 * 32);
        if (i % 10 == 0) {
            p->IsCust = 1;
            p->Custom = value(rng);
        }
        all.push_back(p);
    }
    std::uniform_int_distribution<int> pick(0, items - 1);
    for (CPoint* from : all)
        for (int k = 0; k < outLinks; ++k)
            s.createLink(from, all[pick(rng)])->Value = coefficient(rng);
}

// What any reader built on Qt's XML streams pays: every token of the text, nothing kept.
std::size_t tokenize(const std::string& bytes) {
    QXmlStreamReader xml(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())));
    std::size_t tokens = 0;
    while (!xml.atEnd())
        xml.readNext(), ++tokens;
    return tokens;
}

struct Format {
    const char* name;
    std::string (*write)(const Scheme&);
    ExchangeRead (*read)(std::string_view);
};

} // namespace

int main() {
    Scheme net;
    sparseNet(net, 100000, 3);
    ViewState view;
    Document doc;
    std::unique_ptr<Scheme> target;
    const auto fresh = [&] { target = std::make_unique<Scheme>(); };

    std::string text;
    const double saveTime = bestMilliseconds([] {}, [&] { text = saveBytes(net, view, doc); });
    const double readTime = bestMilliseconds(fresh, [&] {
        readScheme(splitLines(text), ReadMode::load(), *target, view, doc, nullptr);
    });
    std::printf("sparse net: %d items, %d links\n", net.ItemCount, net.LinkCount);
    std::printf("  scheme file  write %7.1f ms  read %7.1f ms  (%.1f MB)\n", saveTime, readTime,
                double(text.size()) / 1e6);

    const Format formats[] = {{"GraphML", writeGraphml, readGraphml}, {"CSV", writeCsv, readCsv}};
    for (const Format& format : formats) {
        std::string bytes;
        const double exportTime = bestMilliseconds([] {}, [&] { bytes = format.write(net); });
        const double importTime = bestMilliseconds(fresh, [&] {
            placeGraph(*target, format.read(bytes).graph, Placement{0, 0, true});
        });
        if (format.read == readGraphml) {
            volatile std::size_t sink = 0;
            const double floor = bestMilliseconds([] {}, [&] { sink = sink + tokenize(bytes); });
            std::printf("  Qt's XML tokens alone, the GraphML text: %7.1f ms\n", floor);
        }
        std::printf("  %-11s export %6.1f ms (ratio %.2f)  import %7.1f ms (ratio %.2f)  "
                    "(%.1f MB, %d items, %d links)\n",
                    format.name, exportTime, exportTime / saveTime, importTime,
                    importTime / readTime, double(bytes.size()) / 1e6, target->ItemCount,
                    target->LinkCount);
    }
    std::printf("targets: CSV import ratio <= 3; GraphML import <= 2x the tokens alone\n");
    return 0;
}
