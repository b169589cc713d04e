// Reader of .ign parameter files, current and older versions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "params/image.h"

namespace tz {

inline constexpr std::uint8_t kIgnVersion = kProtocolVersion;
inline constexpr std::uint8_t kOlderIgnVersions[] = {85, 76, 60, 50};

// What the reader has to tell the user, in the order it happened.
enum class IgnNotice {
    OlderVersion,      // an older format: some settings were set to defaults
    UnmatchedVersion,  // a version key with an unknown number
};

// A key whose values stop at a word that is not a number (nor another key):
// the values from there on were not read.
struct IgnValueFault {
    std::string key;
    int line = 0;        // of the word, counted from 1
    int valuesRead = 0;  // the values before it, which were taken
    int valueCount = 0;  // the values the key holds
    std::string word;    // its first 32 bytes, control characters as ?
};

struct IgnReadResult {
    std::uint8_t version = 0;  // 91, an older version, or 0 without a usable version key
    std::vector<IgnNotice> notices;
    std::vector<IgnValueFault> valueFaults;
};

// Reads keys from the text into the image. Never fails: a UTF-8 byte order
// mark is passed over, unknown words and their numbers are skipped, a
// missing or non-numeric value leaves its field and the key's remaining
// fields as they were (a value fault when a word stopped them), and the
// image is touched only after a usable version key. Neither normalises nor
// shows the image.
IgnReadResult ReadIgnFile(std::string_view text, Image& image);

}  // namespace tz
