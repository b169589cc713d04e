// Waiting in window tests: for a condition, while the window's timer and
// events run, or for a number of ticks driven directly.
#pragma once

#include <QTest>

#include "gui/application.h"

namespace tz::testing {

// Lets the event loop run until the condition holds; false when it did not
// within ms milliseconds.
template <typename Condition>
bool waitFor(Condition condition, int ms) {
    return QTest::qWaitFor(condition, ms);
}

// Runs the window's tick n times and mirrors the result into the widgets, as
// the 55 ms timer does.
inline void tickWindow(gui::Application& program, int n = 1) {
    for (int i = 0; i < n; ++i) {
        program.logic().tick();
        program.binding().sync();
    }
}

}  // namespace tz::testing
