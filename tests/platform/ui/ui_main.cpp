// main() of the graphics tests: a Qt GUI application must exist before any
// font or painting work, and the tests run offscreen.
#include <QGuiApplication>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
