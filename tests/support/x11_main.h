// main() for a test that needs an X server: without DISPLAY it exits 77,
// which CTest counts as skipped.
#pragma once

#include <QApplication>
#include <QTest>

#define TINTARO_X11_TEST_MAIN(TestClass)                                                                           \
    int main(int argc, char** argv)                                                                                \
    {                                                                                                              \
        if (qEnvironmentVariableIsEmpty("DISPLAY"))                                                                \
            return 77;                                                                                             \
        QApplication app(argc, argv);                                                                              \
        TestClass test;                                                                                            \
        return QTest::qExec(&test, argc, argv);                                                                    \
    }
