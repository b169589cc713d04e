#include "editing/image_tables.h"

#include <algorithm>

namespace tz::editing {

namespace {

// Ranges of the up/downs of the window's grids.
constexpr CellLimits kAdvanceDegrees{0, 60};
constexpr CellLimits kFirstRpmBreakpoint{199, 20100};
constexpr CellLimits kFirstServoSpeeds{200, 20100};  // the first two points
constexpr CellLimits kRpm{300, 20100};
constexpr CellLimits kServoMillivolts{20, 5000};

constexpr int kRpmScale = 100;
constexpr int kServoMillivoltScale = 20;

}  // namespace

int ImageTable::value(CellPos cell) const {
    const Field f = fieldAt(cell);
    return std::clamp(encoding::decodeScaled(image_[f.byte], f.scale), f.limits.min, f.limits.max);
}

CellLimits ImageTable::limits(CellPos cell) const {
    return fieldAt(cell).limits;
}

void ImageTable::store(CellPos cell, int value) {
    const Field f = fieldAt(cell);
    image_[f.byte] = encoding::encodeScaled(std::clamp(value, f.limits.min, f.limits.max), f.scale);
}

CellRange AdvanceMapTable::areaOf(bool allRows) {
    return {allRows ? 0 : kMapRows - 1, 0, kMapRows - 1, kMapColumns - 1};
}

ImageTable::Field AdvanceMapTable::fieldAt(CellPos cell) const {
    return {advanceCell(cell.row, cell.column), 1, kAdvanceDegrees};
}

CellRange RpmBreakpointTable::area() const {
    return {0, 0, 0, kAxisPoints - 1};
}

ImageTable::Field RpmBreakpointTable::fieldAt(CellPos cell) const {
    return {field::RPM_ADV + cell.column, kRpmScale, cell.column == 0 ? kFirstRpmBreakpoint : kRpm};
}

CellRange ServoCurveTable::area() const {
    return {0, 0, 1, kAxisPoints - 1};
}

ImageTable::Field ServoCurveTable::fieldAt(CellPos cell) const {
    if (cell.row == 1)
        return {field::SERVO_MV + cell.column, kServoMillivoltScale, kServoMillivolts};
    return {field::SERVO_RPM + cell.column, kRpmScale, cell.column < 2 ? kFirstServoSpeeds : kRpm};
}

}  // namespace tz::editing
