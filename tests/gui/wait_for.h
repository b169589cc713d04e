// Lets the window's timer run until a condition holds or the time is up.
#pragma once

#include <QTest>

namespace tz::testing {

template <typename Condition>
bool waitFor(Condition condition, int ms) {
    for (int waited = 0; waited < ms; waited += 55) {
        if (condition()) return true;
        QTest::qWait(55);
    }
    return condition();
}

}  // namespace tz::testing
