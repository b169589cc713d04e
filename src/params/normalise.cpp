#include "params/normalise.h"

namespace tz {

namespace {
constexpr int kNoEdit = -1;
constexpr int kManyEdits = -2;
}  // namespace

// The breakpoint rule of one axis of ten values starting at image byte s.
class AxisRule {
  public:
    AxisRule(Image& image, BreakpointMemory& memory, int start)
        : v_(image), m_(memory), s_(start) {}

    void apply() {
        const int e = findEdit();
        const int last = m_.lastSeen_[s_ - 1];
        if (e != kNoEdit && e != last) {
            for (int i = 0; i < kAxisPoints; ++i) {
                m_.pushed_[s_ + i] = 0;
                m_.remembered_[s_ + i] = 0;
            }
        }
        if (e >= 0) {
            if (at(e) < e + 3) set(e, e + 3);
            push(e, -1);
            if (at(e) > e + 190) set(e, e + 190);
            push(e, +1);
            letPushedReturn();
        }
        for (int i = 0; i < kAxisPoints; ++i) m_.lastSeen_[s_ + i] = v_[s_ + i];
        if (e != kNoEdit)
            m_.lastSeen_[s_ - 1] =
                e == kManyEdits ? BreakpointMemory::kManyChanged : static_cast<std::uint8_t>(e);
    }

  private:
    int at(int i) const { return v_[s_ + i]; }
    void set(int i, int value) { v_[s_ + i] = encoding::byteOf(value); }

    int findEdit() const {
        int edited = kNoEdit;
        for (int i = 0; i < kAxisPoints; ++i) {
            if (v_[s_ + i] == m_.lastSeen_[s_ + i]) continue;
            if (edited != kNoEdit) return kManyEdits;
            edited = i;
        }
        return edited;
    }

    void push(int i, int d) {
        for (;;) {
            const int n = i + d;
            if (n < 0 || n >= kAxisPoints) return;
            const bool inTheWay = d < 0 ? at(i) <= at(n) : at(i) >= at(n);
            if (!inTheWay) return;
            if (m_.pushed_[s_ + n] == 0) m_.remembered_[s_ + n] = v_[s_ + n];
            m_.pushed_[s_ + n] = 1;
            set(n, at(i) + d);
            i = n;
        }
    }

    // Each pass lets every pushed breakpoint move back towards its remembered
    // value as far as its neighbours allow; ten passes unwind a full chain.
    void letPushedReturn() {
        for (int pass = 0; pass < 10; ++pass) {
            for (int j = 0; j < kAxisPoints; ++j) {
                if (m_.pushed_[s_ + j] == 0) continue;
                const int remembered = m_.remembered_[s_ + j];
                if (remembered > at(j)) {
                    int target = remembered;
                    if (j < kAxisPoints - 1 && target > at(j + 1) - 1) target = at(j + 1) - 1;
                    set(j, target);
                }
                if (remembered < at(j)) {
                    int target = remembered;
                    if (j > 0 && target < at(j - 1) + 1) target = at(j - 1) + 1;
                    set(j, target);
                }
                if (remembered == at(j)) m_.pushed_[s_ + j] = 0;
            }
        }
    }

    Image& v_;
    BreakpointMemory& m_;
    const int s_;
};

namespace {

// Keeps ten axis values within i+3 .. i+191 and strictly ascending.
void clampAxis(Image& image, int start) {
    for (int i = 0; i < kAxisPoints; ++i) {
        std::uint8_t& b = image[start + i];
        if (b < i + 3) b = static_cast<std::uint8_t>(i + 3);
        if (b > i + 191) b = static_cast<std::uint8_t>(i + 191);
    }
    for (int i = 1; i < kAxisPoints; ++i) {
        if (image[start + i] <= image[start + i - 1])
            image[start + i] = encoding::byteOf(image[start + i - 1] + 1);
    }
}

void repairLobes(Image& image) {
    using namespace field;
    if (image[SYNC_METHOD] == 0) image[LOBE_COUNT] = 1;
    for (int c = 0; c < kChannels; ++c) {
        for (int group : {MAX_ADV_LOBE, START_ADV_LOBE}) {
            std::uint8_t& lobe = image[lobeByte(group, c)];
            if (lobe > image[LOBE_COUNT]) lobe = image[LOBE_COUNT];
        }
        if (!methodUsesPickup2Points(image[SYNC_METHOD])) {
            image[lobeByte(MAX_ADV_PICKUP2, c)] = 0;
            image[lobeByte(START_ADV_PICKUP2, c)] = 0;
        }
    }
    if (image[CHANNEL_COUNT] >= 2) image[CHANNEL_COUNT] = 2;
}

void repairPowerOutputs(Image& image) {
    for (int n = 0; n < kPowerOutputs; ++n) {
        for (int j = 1; j < 3; ++j) {
            if (image[powerOutRpm(n, j)] <= image[powerOutRpm(n, j - 1)])
                image[powerOutRpm(n, j)] = encoding::byteOf(image[powerOutRpm(n, j - 1)] + 1);
        }
        if (image[powerOutTps(n, 1)] <= image[powerOutTps(n, 0)])
            image[powerOutTps(n, 1)] = encoding::byteOf(image[powerOutTps(n, 0)] + 1);
        for (int j = 0; j < 3; ++j) {
            if (image[powerOutRpm(n, j)] < 3) image[powerOutRpm(n, j)] = 3;
        }
    }
}

}  // namespace

void NormaliseImage(Image& image, BreakpointMemory& memory, OutsideSettings& outside) {
    using namespace field;
    if (!memory.initialised_) {
        memory.lastSeen_.fill(255);
        memory.pushed_.fill(0);
        memory.remembered_.fill(0);
        memory.initialised_ = true;
    }
    AxisRule(image, memory, SERVO_RPM).apply();
    AxisRule(image, memory, RPM_ADV).apply();

    if (image[LIMITER_RPM] < 10) image[LIMITER_RPM] = 10;
    clampAxis(image, RPM_ADV);
    if (image[TPS_0_MV] > 250) image[TPS_0_MV] = 250;
    if (image[TPS_100_MV] > 250) image[TPS_100_MV] = 250;
    clampAxis(image, SERVO_RPM);

    if (outside.language >= kLanguageCount) outside.language = 0;
    if (outside.portIndex > kPortAuto) outside.portIndex = 0;
    if (outside.searchIndex >= kPortCount) outside.searchIndex = 0;

    repairLobes(image);
    if (image[START_LIMITER_RPM] > image[LIMITER_RPM])
        image[START_LIMITER_RPM] = image[LIMITER_RPM];
    repairPowerOutputs(image);
}

}  // namespace tz
