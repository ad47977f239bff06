// The UI tests' entry: one QApplication for the whole run (fonts, painting, printing), speaking
// Russian whatever the machine's language, as the tests pin the Russian texts.
#include "wording/qt/translations.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    lumeris::installTranslations(app, lumeris::Language::Russian);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
