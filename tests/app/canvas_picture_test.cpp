#include "app_fixture.h"

#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_picture_loader.h"

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QMenu>

namespace lumeris::test {
namespace {

// A picture file of the given size and format, black with a white top-left pixel.
std::string savePicture(const ScratchDir& dir, const std::string& name, const char* format) {
    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setPixel(0, 0, qRgb(255, 255, 255));
    const std::string file = (dir / name).string();
    EXPECT_TRUE(image.save(QString::fromStdString(file), format));
    return file;
}

TEST_F(AppTest, FramesArePresentedThroughTheSurface) {
    start(path("missing.txt"));
    app->show();
    Surface& surface = main().surface();
    ASSERT_GT(surface.Front.width(), 0);
    EXPECT_EQ(surface.Back.format(), QImage::Format_RGB32);
    QCoreApplication::processEvents(); // the show's resize requests its own frames
    world.scheme.RedrawRequests = 0;
    const int presented = surface.Presented;
    main().Timer1Timer(); // nothing owed: nothing presented
    EXPECT_EQ(surface.Presented, presented);
    world.scheme.RedrawRequests = 1;
    main().Timer1Timer();
    EXPECT_EQ(surface.Presented, presented + 1);
    EXPECT_EQ(surface.pixelAt(3, 3), qRgb(255, 255, 255));
}

TEST_F(AppTest, TheTimerEasesTheZoomAndPaintsOnlyWhenNothingIsBusy) {
    start(path("missing.txt"));
    app->show();
    QCoreApplication::processEvents();
    main().Timer1.stop(); // only the ticks below, even on a loaded machine
    world.view.ZoomLevel = 8;
    world.eval.TickCount = 100;
    const int presented = main().surface().Presented;
    {
        BusyGuard busy(world.scheme);
        main().Timer1Timer();
    }
    EXPECT_EQ(world.view.Scale, 1.5f);
    EXPECT_EQ(main().surface().Presented, presented);
    main().Timer1Timer();
    EXPECT_EQ(world.view.Scale, 1.75f);
    EXPECT_EQ(main().surface().Presented, presented + 1);
}

TEST_F(AppTest, WheelZoomsAndCtrlWheelOverAnItemChangesItsValue) {
    start(path("missing.txt"));
    world.view.ZoomLevel = 7;
    main().FormMouseWheel(120, false);
    EXPECT_EQ(world.view.ZoomLevel, 6);
    CPoint* item = world.scheme.createItem("a", 0, 0);
    world.scheme.Hovered.item = item;
    world.scheme.HoverKind = HoverItem;
    main().FormMouseWheel(120, true);
    EXPECT_FLOAT_EQ(item->Custom, 0.2f);
    EXPECT_EQ(world.view.ZoomLevel, 6);
    main().FormKeyDown(Qt::Key_Plus);
    EXPECT_EQ(world.view.ZoomLevel, 7);
    main().FormKeyDown(Qt::Key_Plus);
    EXPECT_EQ(world.view.ZoomLevel, 7);
}

TEST_F(AppTest, BackgroundPictureToggles) {
    start(path("missing.txt"));
    QAction* mPicture = main().menu()->findChild<QAction*>("mPicture");
    ASSERT_NE(mPicture, nullptr);
    const std::string png = savePicture(dir, "back.png", "PNG");
    dialogs.files.push_back(png);
    mPicture->trigger();
    EXPECT_TRUE(main().pictureShown());
    EXPECT_TRUE(mPicture->isChecked());
    EXPECT_EQ(world.doc.BackGroundImage, png);
    EXPECT_EQ(main().painter().Background.size(), QSize(5, 4));

    mPicture->trigger(); // ticked: unticking removes it without a dialog
    EXPECT_FALSE(main().pictureShown());
    EXPECT_FALSE(mPicture->isChecked());
    EXPECT_EQ(world.doc.BackGroundImage, "none");
    EXPECT_EQ(dialogs.fileDialogs.size(), 1u);

    writeFile(dir / "fake.bmp", "not a picture");
    dialogs.files.push_back(path("fake.bmp"));
    mPicture->trigger(); // undecodable: stays unticked, keeps the previous picture
    EXPECT_FALSE(main().pictureShown());
    EXPECT_EQ(world.doc.BackGroundImage, path("fake.bmp"));
    EXPECT_EQ(main().painter().Background.size(), QSize(5, 4));

    mPicture->trigger(); // the dialog is cancelled: same as unticking
    EXPECT_EQ(world.doc.BackGroundImage, "none");
}

TEST(PictureLoader, DecodesEveryFormatAndMakesWhiteTransparentInPhotos) {
    ScratchDir dir;
    // Qt writes no GIF: a 1 x 1 white one, as bytes.
    writeFile(
        dir / "photo.GIF",
        QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACwAAAAAAQABAAACAkQBADs=").toStdString());
    EXPECT_EQ(decodePicture((dir / "photo.GIF").string()).size(), QSize(1, 1));
    for (const char* format : {"BMP", "PNG", "JPEG"}) {
        const std::string name = std::string("photo.") + format;
        savePicture(dir, name, format);
        QImage background;
        QtPictureLoader loader(background, {});
        const auto photo = loader.loadPhoto(name, (dir / "scheme.txt").string());
        ASSERT_NE(photo, nullptr) << format;
        const QImage& image = static_cast<const QtPicture&>(*photo).image;
        EXPECT_EQ(image.size(), QSize(5, 4)) << format;
        if (std::string(format) != "JPEG") { // lossy: the white pixel is only nearly white

            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << format;
            EXPECT_EQ(qAlpha(image.pixel(1, 1)), 255) << format;
        }
    }
    writeFile(dir / "broken.png", "garbage");
    QImage background;
    QtPictureLoader loader(background, {});
    EXPECT_EQ(loader.loadPhoto("broken.png", (dir / "s.txt").string()), nullptr);
    EXPECT_EQ(loader.loadPhoto("missing.png", (dir / "s.txt").string()), nullptr);
}

TEST(PictureLoader, BackgroundIsFoundBesideTheSchemeAndNamesAreWindows1251) {
    ScratchDir dir;
    savePicture(dir, "Фон.bmp", "BMP");
    QImage background(4, 3, QImage::Format_RGB32);
    int loaded = 0;
    QtPictureLoader loader(background, [&] { ++loaded; });
    Document doc;
    doc.FileName = (dir / "scheme.txt").string();
    doc.BackGroundImage = "\xD4\xEE\xED.bmp"; // "Фон.bmp" in Windows-1251
    loader.loadBackground(doc);
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(background.size(), QSize(5, 4));
    doc.BackGroundImage = "nothing.bmp";
    loader.loadBackground(doc);
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(background.size(), QSize(5, 4));
}

} // namespace
} // namespace lumeris::test
