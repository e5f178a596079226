// Proving that nothing happened: whatever was posted before an event the test
// posts itself has been handled once that event has.
#pragma once

namespace testsupport {

// Posts an event of its own to the application and runs the event loop until
// it is handled (false when it is not handled within `boundMs`, a bound that
// only catches a hang). Events and zero timers posted earlier come first.
bool handleLaterEvent(int boundMs = 60000);

} // namespace testsupport
