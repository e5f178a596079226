// The main of a test that plays sounds through the real sound server.
#pragma once

#include <QApplication>
#include <QtTest>

#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace testsupport {

// Runs `test` and leaves without tearing the application down: Qt's
// PulseAudio client can crash in its own teardown after every check has
// passed, now and then under load. Leaks are still looked for first.
template <typename Test>
int runSoundTest(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true); // as QTEST_MAIN does
    Test test;
    const int status = QTest::qExec(&test, argc, argv);
#if defined(__SANITIZE_ADDRESS__)
    if (__lsan_do_recoverable_leak_check() != 0 && status == 0)
        std::_Exit(1);
#endif
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace testsupport
