// Which control edits which field of the parameter image, and how the
// control's value and the byte convert into each other.
#pragma once

#include <string>
#include <vector>

namespace tz {

enum class FieldEncoding {
    Plain,      // the value is the byte
    Scaled,     // byte = value / scale
    Offset100,  // byte = value + 100
    Tps100,     // byte = value / 10 + 6
};

// An up/down bound to one byte.
struct UpDownBinding {
    int byte;
    std::string upDown;
    FieldEncoding encoding = FieldEncoding::Plain;
    int scale = 1;
};

// A check box bound to a flag byte.
struct CheckBoxBinding {
    int byte;
    std::string checkBox;
};

// Every up/down of the parameter pages in the order the image is read from
// the controls: the general values, both channels' lobe numbers, the three
// axes, the map cells, then the test values.
const std::vector<UpDownBinding>& upDownBindings();

// Every flag check box: the Bike page flags, then both channels' lobe flags.
// INTERLOCK_INPUT and SPARK_BEFORE_LOBE are not among them; their rule
// depends on the motorcycle type.
const std::vector<CheckBoxBinding>& checkBoxBindings();

// Byte from an up/down value and back.
int encodeField(const UpDownBinding& binding, int value);
int decodeField(const UpDownBinding& binding, int byte);

// Names of the run-time power-output controls of output n (0..2).
std::string powerOutRadioName(int n);
std::string powerOutRpmUpDownName(int n, int j);
std::string powerOutTpsUpDownName(int n, int j);
std::string powerOutCheckBoxName(int n, int row, int column);

}  // namespace tz
