// lumeris-cli render IN -o OUT.png|OUT.svg|OUT.pdf [--fit | --view] [--size WxH] [--steps N]
// [--numbers] [--traces]: a picture of the scheme read from IN after N steps, drawn by the
// window's painter on Qt's offscreen platform, so that no display is needed.
#include "cli/commands.h"
#include "cli/io.h"
#include "platform/qt/qt_picture_loader.h"
#include "view/qt/picture.h"

#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace lumeris::cli {

namespace {

constexpr int LargestSide = 16384;

struct CanvasSize {
    int width = 1920, height = 1080;
};

// "WxH", each side 1 to LargestSide pixels.
std::optional<CanvasSize> sizeArgument(const std::string& text) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos)
        return std::nullopt;
    const auto width = integerArgument(std::string_view(text).substr(0, x));
    const auto height = integerArgument(std::string_view(text).substr(x + 1));
    auto fits = [](const std::optional<std::int32_t>& side) {
        return side && *side >= 1 && *side <= LargestSide;
    };
    if (!fits(width) || !fits(height))
        return std::nullopt;
    return CanvasSize{*width, *height};
}

struct RenderRequest {
    std::string in, out;
    PictureFormat format;
    bool fileView; // --view: the file's ScreenX, ScreenY and Scale
    CanvasSize size;
    std::int32_t steps = 0;
    bool numbers, traces;
};

std::optional<RenderRequest> parseRequest(const Arguments& args) {
    const auto parsed = parseArguments(args, {.withValue = {"-o", "--size", "--steps"},
                                              .flags = {"--fit", "--view", "--numbers", "--traces"},
                                              .positionalCount = 1});
    if (!parsed || !parsed->value("-o") || (parsed->has("--fit") && parsed->has("--view")))
        return std::nullopt;
    RenderRequest request{parsed->positional[0],
                          *parsed->value("-o"),
                          PictureFormat::Png,
                          parsed->has("--view"),
                          {},
                          0,
                          parsed->has("--numbers"),
                          parsed->has("--traces")};
    const auto format = pictureFormatOf(QFile::decodeName(request.out.c_str()));
    if (!format)
        return std::nullopt;
    request.format = *format;
    if (const auto size = parsed->value("--size")) {
        const auto canvas = sizeArgument(*size);
        if (!canvas)
            return std::nullopt;
        request.size = *canvas;
    }
    if (const auto steps = parsed->value("--steps")) {
        const auto n = integerArgument(*steps);
        if (!n || *n < 0)
            return std::nullopt;
        request.steps = *n;
    }
    return request;
}

} // namespace

int runRender(const Arguments& args) {
    const auto request = parseRequest(args);
    if (!request)
        return usage();
    // The offscreen platform draws with the same fonts and needs no display (ssh, CI). Qt's
    // notes about the session (no runtime folder, no display) are no business of the output.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
    int argc = 1;
    char name[] = "lumeris-cli";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);

    World world;
    QImage background(4, 3, QImage::Format_RGB32); // bmpBackground until a picture loads
    background.fill(Qt::white);
    QtPictureLoader pictures(background, nullptr);
    if (const int status = readSchemeInput(request->in, world, &pictures))
        return status;
    runSteps(world, request->steps, false);
    world.eval.ShowValues = request->numbers;
    world.eval.ShowVolumes = request->traces;

    const auto [width, height] = request->size;
    ViewState view = world.view;
    if (request->fileView) {
        view.CanvasWidth = width;
        view.CanvasHeight = height;
    } else {
        view = wholeSchemeView(world.scheme, world.view, width, height);
    }
    PictureMaker maker(world, background);
    const QString error =
        maker.write(view, QFile::decodeName(request->out.c_str()), request->format);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return 4;
    }
    return 0;
}

} // namespace lumeris::cli
