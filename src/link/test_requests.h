// One-shot bench test requests: a button press sets a bit, the next poll
// frame carries every pending bit to the unit and clears them.
#pragma once

#include <array>
#include <cstdint>

namespace tz::link {

enum class TestButton : std::uint8_t {
    Ignition1,
    Ignition2,
    PowerOut1,
    PowerOut2,
    PowerOut3,
    Rpm,
    ServoPlus,
    ServoMinus,
};

class TestRequests {
  public:
    // Adds the button's bit to its request byte.
    void press(TestButton button);
    // The three request bytes A, B, C for the next poll frame; they are
    // cleared by taking them.
    std::array<std::uint8_t, 3> take();
    const std::array<std::uint8_t, 3>& pending() const { return bytes_; }

  private:
    std::array<std::uint8_t, 3> bytes_{};
};

}  // namespace tz::link
