// Pictures of large schemes beside reading the same scheme file, measured in the same run: a
// PNG of 4096 x 4096 pixels of the layered 10 x 320 net (921,600 links) and an SVG of the
// sparse 100,000-item net, each of the whole scheme fitted, as lumeris-cli render draws them.
// Prints the time, the ratio to the reading time and the picture file's size.
#include "files/open_file.h"
#include "files/scheme_writer.h"
#include "painted_nets.h"
#include "view/qt/picture.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

using namespace lumeris;

namespace {

double seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void measure(const char* name, void (*build)(Scheme&), PictureFormat format, int width, int height,
             const QString& folder) {
    const std::string scheme = (folder + "/scheme.txt").toStdString();
    {
        World source;
        build(source.scheme);
        std::ofstream(scheme, std::ios::binary)
            << saveBytes(source.scheme, source.view, source.doc);
    }
    World world;
    const double read =
        seconds([&] { openSchemeFile(scheme, world.scheme, world.view, world.doc, nullptr); });
    const QString picture =
        folder + (format == PictureFormat::Png ? "/picture.png" : "/picture.svg");
    const QImage background;
    const double draw = seconds([&] {
        PictureMaker maker(world, background);
        maker.write(wholeSchemeView(world.scheme, world.view, width, height), picture, format);
    });
    std::printf("%-24s read %7.2f s   picture %7.2f s   ratio %5.2f   file %8.1f MB (scheme "
                "%6.1f MB)\n",
                name, read, draw, draw / read,
                std::filesystem::file_size(picture.toStdString()) / 1e6,
                std::filesystem::file_size(scheme) / 1e6);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    measure(
        "PNG 4096 layered 10x320", [](Scheme& s) { layeredNet(s, 10, 320); }, PictureFormat::Png,
        4096, 4096, folder.path());
    measure("SVG 1920x1080 sparse 100000", sparseNet, PictureFormat::Svg, 1920, 1080,
            folder.path());
    return 0;
}
