// The undo history: a ring of 200 snapshots of the parameter image, each
// with the page on which the change was made.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "params/image.h"

namespace tz {

class History {
  public:
    static constexpr int kRingSize = 200;
    static constexpr int kSnapshotSize = 350;

    struct Snapshot {
        Image image{};
        int page = 0;
    };

    // Starts over with the image as the only snapshot.
    void reset(const Image& image, int page);
    // Records the image when it differs from the current snapshot; the page
    // is stored but not compared. Drops the steps that could be redone and,
    // on a full ring, the oldest step. True when a snapshot was pushed.
    bool push(const Image& image, int page);

    bool canUndo() const { return current_ != first_; }
    bool canRedo() const { return current_ != last_; }
    // The snapshot to restore, or nothing at the end of the ring.
    std::optional<Snapshot> undo();
    std::optional<Snapshot> redo();

    // The 350 bytes of a stored snapshot: the image, the page, zeros.
    std::array<std::uint8_t, kSnapshotSize> snapshotBytes(int slot) const;
    int current() const { return current_; }

  private:
    static int next(int i) { return (i + 1) % kRingSize; }
    static int previous(int i) { return (i + kRingSize - 1) % kRingSize; }
    Snapshot at(int slot) const;

    std::array<std::array<std::uint8_t, kSnapshotSize>, kRingSize> ring_{};
    int current_ = 0;
    int first_ = 0;
    int last_ = 0;
};

}  // namespace tz
