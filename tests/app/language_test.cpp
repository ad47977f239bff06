#include "app_fixture.h"
#include "files/open_file.h"
#include "wording/qt/shown_text.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QRegularExpression>
#include <QTranslator>

namespace lumeris::test {
namespace {

// The program's English, installed for one test.
struct English {
    QTranslator translator;
    English() {
        EXPECT_TRUE(translator.load("lumeris_en", ":/i18n")) << "the translation is not built in";
        QCoreApplication::installTranslator(&translator);
    }
    ~English() { QCoreApplication::removeTranslator(&translator); }
};

// Every text the windows show: titles, captions, hints, labels and buttons.
QStringList shownTexts(Application& app) {
    QStringList texts;
    const QList<QWidget*> windows{&app.frmMain,  &app.frmProp2, &app.frmProp,
                                  &app.frmAbout, &app.frmText,  &app.frmMatrix};
    for (QWidget* window : windows) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.append(window);
        for (QWidget* widget : widgets) {
            texts << widget->windowTitle() << widget->toolTip();
            if (auto* label = qobject_cast<QLabel*>(widget))
                texts << label->text();
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                texts << button->text();
            if (auto* menu = qobject_cast<QMenu*>(widget))
                texts << menu->title();
        }
        for (QAction* action : window->findChildren<QAction*>())
            texts << action->text() << action->toolTip() << action->statusTip();
    }
    return texts;
}

TEST_F(AppTest, InEnglishNoRussianIsLeftButTheLanguageEntry) {
    English english;
    language.current = Language::English;
    start(path("missing.txt"));

    const QRegularExpression cyrillic("[\\x{0400}-\\x{04FF}]");
    const QStringList bilingual{QString::fromUtf8("Язык / Language"), QString::fromUtf8("Русский")};
    for (const QString& text : shownTexts(*app)) {
        if (!bilingual.contains(text)) {
            EXPECT_FALSE(text.contains(cyrillic)) << text.toStdString();
        }
    }

    EXPECT_EQ(main().menu()->findChild<QMenu*>("mFile")->title(), "File");
    EXPECT_EQ(main().action("aTeach")->toolTip(), "Adjust the links' coefficients");
    EXPECT_EQ(app->frmMatrix.windowTitle(), "Create Network");
    EXPECT_TRUE(main().menu()->findChild<QAction*>("mLanguageEnglish")->isChecked());
    // The core's wordings: looked up, then filled in.
    EXPECT_EQ(shown(legacyFormatNotice("/a/b.txt")),
              "The file \"/a/b.txt\" is in the 1.4 format. To keep the old format, exit "
              "without saving.");
}

TEST_F(AppTest, TheLanguageEntryKeepsTheChoiceForTheNextStart) {
    std::vector<Language> kept;
    language.remember = [&](Language chosen) { kept.push_back(chosen); };
    start(path("missing.txt"));
    dialogs.messages.clear();
    QMenu* entry = main().menu()->findChild<QMenu*>("mLanguage");
    ASSERT_TRUE(entry);
    EXPECT_TRUE(entry->findChild<QAction*>("mLanguageRussian")->isChecked());

    entry->findChild<QAction*>("mLanguageEnglish")->trigger();
    EXPECT_EQ(kept, std::vector<Language>{Language::English});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Язык сменится при следующем запуске программы.");
    EXPECT_EQ(main().menu()->findChild<QMenu*>("mFile")->title(), QString::fromUtf8("Файл"));
}

TEST(QtTranslations, RussianIsThereForQtsOwnDialogs) {
    QTranslator qt;
    ASSERT_TRUE(qt.load("qt_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    EXPECT_FALSE(qt.translate("QPlatformTheme", "Cancel").isEmpty());
}

} // namespace
} // namespace lumeris::test
