// The main of a test that plays sounds through the real sound server.
#pragma once

#include "platform/sound.h"

#include <QApplication>
#include <QtTest>

namespace testsupport {

// Runs `test` and ends as the program does: the sounds' streams stay open
// to the end, since Qt's PulseAudio client can crash while one closes.
template <typename Test>
int runSoundTest(int argc, char** argv)
{
    int status = 0;
    {
        QApplication app(argc, argv);
        app.setAttribute(Qt::AA_Use96Dpi, true); // as QTEST_MAIN does
        Test test;
        status = QTest::qExec(&test, argc, argv);
        platform::keepSoundsOpen();
    }
    platform::endProcess(status);
}

} // namespace testsupport
