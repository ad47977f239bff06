// The UI tests' entry: one QApplication for the whole run (fonts, painting, printing). No
// translation is installed, whatever the machine's language: the tests pin the program's own
// Russian wordings, and Qt's texts (its network errors among them) stay as Qt writes them.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
