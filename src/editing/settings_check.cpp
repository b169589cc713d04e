#include "editing/settings_check.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "editing/image_tables.h"

namespace tz::editing {

namespace {

// The functions of the multifunction inputs that use a setting checked here.
constexpr int kInputRetard = 3;
constexpr int kInputStartLimiter = 4;
constexpr int kRpmScale = 100;

bool inputUses(const Image& image, int function) {
    return image[field::INPUT1_FUNCTION] == function || image[field::INPUT2_FUNCTION] == function;
}

class Checker {
  public:
    Checker(const Image& image, const CheckLimits& limits)
        : image_(image),
          limits_(limits),
          tpsRows_(image[field::TPS_MAPA] != 0),
          map_(image_, tpsRows_),
          rpm_(image_),
          servo_(image_) {}

    std::vector<SettingsFinding> run() {
        checkAdvance();
        checkAxis(rpm_, CheckTable::Rpm, field::RPM_ADV, "RPM_ADV", FindingKind::RpmAxisNotRising);
        const bool servoOn = image_[field::SERVO_ENABLE] != 0;
        if (servoOn)
            checkAxis(servo_, CheckTable::Servo, field::SERVO_RPM, "SERVO_RPM",
                      FindingKind::ServoAxisNotRising);
        checkLimiters();
        if (servoOn) checkServoPoints();
        checkRetard();
        checkLobes();
        return std::move(findings_);
    }

  private:
    SettingsFinding cell(FindingKind kind, CheckTable table, int byte, std::string_view key,
                         int index, CellPos pos, int value, int other) const {
        SettingsFinding f;
        f.kind = kind;
        f.byte = byte;
        f.key = key;
        f.index = index;
        f.table = table;
        f.row = pos.row + 1;
        f.column = pos.column + 1;
        f.value = value;
        f.other = other;
        return f;
    }

    static SettingsFinding setting(FindingKind kind, int byte, std::string_view key, int index,
                                   int value, int other) {
        SettingsFinding f;
        f.kind = kind;
        f.byte = byte;
        f.key = key;
        f.index = index;
        f.value = value;
        f.other = other;
        return f;
    }

    void step(FindingKind kind, CellPos a, CellPos b) {
        const int va = map_.value(a);
        const int vb = map_.value(b);
        if (std::abs(vb - va) <= limits_.maxAdvanceStep) return;
        SettingsFinding f = cell(kind, CheckTable::Advance, advanceCell(a.row, a.column), "ADVANCE",
                                 10 * a.row + a.column + 1, a, va, vb);
        f.otherRow = b.row + 1;
        f.otherColumn = b.column + 1;
        findings_.push_back(f);
    }

    void checkAdvance() {
        const CellRange area = map_.area();
        for (int r = area.firstRow; r <= area.lastRow; ++r)
            for (int c = area.firstColumn; c < area.lastColumn; ++c)
                step(FindingKind::StepAcross, {r, c}, {r, c + 1});
        for (int r = area.firstRow; r < area.lastRow; ++r)
            for (int c = area.firstColumn; c <= area.lastColumn; ++c)
                step(FindingKind::StepDown, {r, c}, {r + 1, c});
        for (int r = area.firstRow; r <= area.lastRow; ++r) {
            for (int c = area.firstColumn; c <= area.lastColumn; ++c) {
                const CellPos pos{r, c};
                const int top = map_.limits(pos).max;
                if (map_.value(pos) >= top)
                    findings_.push_back(cell(FindingKind::CellAtTop, CheckTable::Advance,
                                             advanceCell(r, c), "ADVANCE", 10 * r + c + 1, pos,
                                             map_.value(pos), top));
            }
        }
    }

    // Speeds in row 0 of the table that must rise from left to right.
    void checkAxis(const ImageTable& table, CheckTable name, int first, std::string_view key,
                   FindingKind kind) {
        for (int c = 1; c < kAxisPoints; ++c) {
            const int previous = table.value({0, c - 1});
            const int value = table.value({0, c});
            if (value <= previous)
                findings_.push_back(
                    cell(kind, name, first + c, key, c + 1, {0, c}, value, previous));
        }
    }

    int lowestSpeed() const { return rpm_.value({0, 0}); }

    void checkLimiters() {
        const int limiter = image_[field::LIMITER_RPM] * kRpmScale;
        if (limiter < lowestSpeed())
            findings_.push_back(setting(FindingKind::LimiterBelowMap, field::LIMITER_RPM, "LIMITER",
                                        2, limiter, lowestSpeed()));
        const int startLimiter = image_[field::START_LIMITER_RPM] * kRpmScale;
        if (inputUses(image_, kInputStartLimiter) && startLimiter < lowestSpeed())
            findings_.push_back(setting(FindingKind::StartLimiterBelowMap, field::START_LIMITER_RPM,
                                        "LIMITER", 1, startLimiter, lowestSpeed()));
    }

    void checkServoPoints() {
        for (int c = 0; c < kAxisPoints; ++c) {
            const int speed = servo_.value({0, c});
            if (speed < lowestSpeed())
                findings_.push_back(cell(FindingKind::ServoBelowMap, CheckTable::Servo,
                                         field::SERVO_RPM + c, "SERVO_RPM", c + 1, {0, c}, speed,
                                         lowestSpeed()));
        }
    }

    // With the retard input the unit takes RETARD off the map's advance; more
    // than the smallest advance puts the spark after top dead centre.
    void checkRetard() {
        if (!inputUses(image_, kInputRetard)) return;
        const CellRange area = map_.area();
        int smallest = map_.limits(area.topLeft()).max;
        for (int r = area.firstRow; r <= area.lastRow; ++r)
            for (int c = area.firstColumn; c <= area.lastColumn; ++c)
                smallest = std::min(smallest, map_.value({r, c}));
        const int retard = image_[field::RETARD];
        if (retard > smallest)
            findings_.push_back(
                setting(FindingKind::RetardPastTdc, field::RETARD, "LIMITER", 3, retard, smallest));
    }

    // The repair leaves these at 0; the unit cannot find its lobes then.
    void checkLobes() {
        if (image_[field::LOBE_COUNT] == 0)
            findings_.push_back(
                setting(FindingKind::LobeSettingZero, field::LOBE_COUNT, "BIKE", 3, 0, 0));
        if (image_[field::CHANNEL_COUNT] == 0)
            findings_.push_back(
                setting(FindingKind::LobeSettingZero, field::CHANNEL_COUNT, "BIKE", 4, 0, 0));
        const int channels = std::clamp<int>(image_[field::CHANNEL_COUNT], 1, kChannels);
        // BIKE holds channel c's maximum-advance lobe at 5 + 6 c, its start lobe at 8 + 6 c.
        for (int c = 0; c < channels; ++c) {
            const int maxLobe = lobeByte(field::MAX_ADV_LOBE, c);
            const int startLobe = lobeByte(field::START_ADV_LOBE, c);
            if (image_[maxLobe] == 0)
                findings_.push_back(
                    setting(FindingKind::LobeSettingZero, maxLobe, "BIKE", 5 + 6 * c, 0, 0));
            if (image_[startLobe] == 0)
                findings_.push_back(
                    setting(FindingKind::LobeSettingZero, startLobe, "BIKE", 8 + 6 * c, 0, 0));
        }
    }

    // The tables read a copy: they are made for editing.
    Image image_;
    CheckLimits limits_;
    bool tpsRows_;
    AdvanceMapTable map_;
    RpmBreakpointTable rpm_;
    ServoCurveTable servo_;
    std::vector<SettingsFinding> findings_;
};

}  // namespace

std::vector<SettingsFinding> checkSettings(const Image& image, const CheckLimits& limits) {
    return Checker(image, limits).run();
}

std::string_view findingKindName(FindingKind kind) {
    static constexpr std::array<std::string_view, 10> kNames = {
        "step-across",
        "step-down",
        "cell-at-top",
        "rpm-not-rising",
        "servo-not-rising",
        "limiter-below-map",
        "start-limiter-below-map",
        "servo-below-map",
        "retard-past-tdc",
        "lobe-setting-zero",
    };
    return kNames[static_cast<std::size_t>(kind)];
}

std::string_view checkTableName(CheckTable table) {
    switch (table) {
        case CheckTable::Advance:
            return "advance";
        case CheckTable::Rpm:
            return "rpm";
        case CheckTable::Servo:
            return "servo";
        case CheckTable::None:
            break;
    }
    return {};
}

}  // namespace tz::editing
