// The main of every GUI test program: the QApplication lives for the whole
// run, on the offscreen platform unless another one is asked for (also when
// the build lists the tests, without a display).

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication toepassing(argc, argv);
    return RUN_ALL_TESTS();
}
