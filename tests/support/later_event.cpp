// A later event to prove the earlier ones came and went.
#include "tests/support/later_event.h"

#include <QCoreApplication>
#include <QTest>

namespace testsupport {

bool handleLaterEvent(int boundMs)
{
    bool handled = false;
    // A queued call is a posted event; a zero timer posted earlier is one too.
    QMetaObject::invokeMethod(QCoreApplication::instance(), [&handled] { handled = true; }, Qt::QueuedConnection);
    return QTest::qWaitFor([&handled] { return handled; }, boundMs);
}

} // namespace testsupport
