// lumeris-cli render without a display: the picture's size in each format, the steps it runs
// first, and its usage errors and statuses.
#include "support/paths.h"

#include <QImage>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace lumeris {
namespace {

using test::ScratchDir;

struct CliRun {
    int status;
    std::string err;
};

// The real lumeris-cli in the scratch folder, with no display and no platform chosen for it.
CliRun render(const ScratchDir& dir, const std::string& words) {
    const std::string command = "cd '" + dir.path().string() +
                                "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                                test::cliPath().string() + "' render " + words + " 2>stderr";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, test::readFile(dir / "stderr")};
}

// "a" holds 0.5 and passes it to "b" through a link of 0.8; "hidden" has no value label.
const std::string Scheme = "Lumeris 1.5\n"
                           "Items\tLinks\tViews\tScreenX\tScreenY\tScale\tBackGroundImage\n"
                           "3\t1\t0\t-100\t-50\t1\tnone\n"
                           "caption\n"
                           "1\t0\t0\t1\t0.5\t1\t0.5\t1\t1\ta\t\t\t\n"
                           "2\t300\t100\t1\t0\t1\t0\t0\t1\tb\t\t\t\n"
                           "3\t900\t900\t1\t0\t1\t0\t0\t0\thidden\t\t\t\n"
                           "caption\n"
                           "1\t2\t0.8\t1\tlink\n"
                           "caption\n";

QStringList svgTexts(const std::string& path) {
    QStringList texts;
    QXmlStreamReader svg(QByteArray::fromStdString(test::readFile(path)));
    while (!svg.atEnd())
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"text")
            texts << svg.readElementText().trimmed();
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    return texts;
}

TEST(Render, EachFormatHasTheSizeAsked) {
    ScratchDir dir;
    test::writeFile(dir / "in.txt", Scheme);
    for (const char* view : {"--fit", "--view", ""}) {
        ASSERT_EQ(render(dir, std::string("in.txt -o out.png --size 320x200 ") + view).status, 0);
        EXPECT_EQ(QImage(QString::fromStdString((dir / "out.png").string())).size(),
                  QSize(320, 200));
    }
    ASSERT_EQ(render(dir, "in.txt -o out.svg --size 320x200").status, 0);
    EXPECT_NE(test::readFile(dir / "out.svg").find("viewBox=\"0 0 320 200\""), std::string::npos);
    ASSERT_EQ(render(dir, "in.txt -o OUT.PDF --size 320x200").status, 0);
    const std::string info = test::commandOutput("pdfinfo '" + (dir / "OUT.PDF").string() + "'");
    EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
    EXPECT_NE(info.find("240 x 150 pts"), std::string::npos) << info; // 96 pixels to the inch
    ASSERT_EQ(render(dir, "in.txt -o default.png").status, 0);
    EXPECT_EQ(QImage(QString::fromStdString((dir / "default.png").string())).size(),
              QSize(1920, 1080));
}

TEST(Render, ShowsTheValuesAfterTheSteps) {
    ScratchDir dir;
    test::writeFile(dir / "in.txt", Scheme);
    const QRegularExpression number("^-?\\d\\.\\d{3}$");
    ASSERT_EQ(render(dir, "in.txt -o before.svg --numbers").status, 0);
    ASSERT_EQ(render(dir, "in.txt -o after.svg --numbers --steps 3").status, 0);
    ASSERT_EQ(render(dir, "in.txt -o plain.svg --steps 3").status, 0);
    EXPECT_EQ(svgTexts((dir / "before.svg").string()).filter(number), QStringList{"0.500"});
    EXPECT_EQ(svgTexts((dir / "after.svg").string()).filter(number),
              (QStringList{"0.400", "0.500"}));
    EXPECT_TRUE(svgTexts((dir / "plain.svg").string()).filter(number).isEmpty());
    EXPECT_TRUE(svgTexts((dir / "plain.svg").string()).contains("b"));
}

TEST(Render, WrongUsageAndUnreadableInputWriteNothing) {
    ScratchDir dir;
    test::writeFile(dir / "in.txt", Scheme);
    test::writeFile(dir / "bad.txt", "Lumeris 1.5\nItems\n1\t1\n");
    test::writeFile(dir / "other.txt", "not a scheme\n");
    const struct {
        const char* words;
        int status;
    } cases[] = {
        {"in.txt -o out.gif", 1},
        {"in.txt", 1},
        {"in.txt -o out.png --fit --view", 1},
        {"in.txt -o out.png --size 0x10", 1},
        {"in.txt -o out.png --size 100", 1},
        {"in.txt -o out.png --size 20000x10", 1},
        {"in.txt -o out.png --steps -1", 1},
        {"in.txt -o out.png --bogus", 1},
        {"missing.txt -o out.png", 3},
        {"other.txt -o out.png", 3},
        {"bad.txt -o out.png", 2},
        {"in.txt -o no/such/folder/out.png", 4},
        {"in.txt -o no/such/folder/out.svg", 4},
        {"in.txt -o no/such/folder/out.pdf", 4},
    };
    for (const auto& c : cases) {
        const CliRun run = render(dir, c.words);
        EXPECT_EQ(run.status, c.status) << c.words;
        EXPECT_FALSE(run.err.empty()) << c.words;
        EXPECT_FALSE(std::filesystem::exists(dir / "out.png")) << c.words;
    }
}

} // namespace
} // namespace lumeris
