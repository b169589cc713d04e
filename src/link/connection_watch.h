// The connection watchdog: ticks since the unit last answered, and the
// counter towards the next reopening of the port while it stays silent.
#pragma once

namespace tz::link {

inline constexpr int kWatchdogTicks = 18;
inline constexpr int kReopenTicks = 30;
// Set after a failed opening in automatic mode, so that the next silent
// tick already moves on to the next port.
inline constexpr int kReopenAtOnce = 200;

struct ConnectionWatch {
    int watchdog = kWatchdogTicks;  // a run starts not connected
    int reconnect = 0;              // not reset by an answer

    bool connected() const { return watchdog < kWatchdogTicks; }
    void answered() { watchdog = 0; }

    enum class Step { Connected, NotConnected, Reopen };
    Step step() {
        if (watchdog < kWatchdogTicks) {
            ++watchdog;
            return Step::Connected;
        }
        if (++reconnect < kReopenTicks) return Step::NotConnected;
        reconnect = 0;
        return Step::Reopen;
    }
};

}  // namespace tz::link
