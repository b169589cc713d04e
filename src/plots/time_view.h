// The part of a log's time a plot shows: the whole ride, or a window of it
// that the wheel narrows and widens and a drag moves. Times count from the
// log's first row; the window always stays within the log.
#pragma once

#include <cstdint>

namespace tz::plots {

class TimeView {
  public:
    // The narrowest window, unless the log is shorter.
    static constexpr std::int64_t kMinSpanMs = 1000;

    // A log of that length, shown whole. A log of one row lasts 1 ms here,
    // so that its axis has a length.
    void reset(std::int64_t durationMs);

    std::int64_t fromMs() const { return from_; }
    std::int64_t toMs() const { return to_; }
    std::int64_t spanMs() const { return to_ - from_; }
    bool whole() const { return from_ == 0 && to_ == length_; }

    // The window scaled by `factor` (below 1 narrower) so that `aroundMs`
    // stays where it is on the axis.
    void zoom(std::int64_t aroundMs, double factor);
    // Moved by `byMs` (later for positive), stopped at the log's ends.
    void pan(std::int64_t byMs);
    void showWhole();
    // A time outside the window brings the window to it, a window's width
    // at a time, as a replay plays past the edge.
    void follow(std::int64_t ms);

  private:
    void place(std::int64_t from, std::int64_t span);

    std::int64_t length_ = 1;
    std::int64_t from_ = 0;
    std::int64_t to_ = 1;
};

}  // namespace tz::plots
