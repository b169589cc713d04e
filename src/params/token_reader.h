// Splits text into white-space separated tokens and reads decimal numbers the
// way the settings files have always been read: an optional sign, digits
// taken modulo 2^32, a negative number wrapping around.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tz {

class TokenReader {
  public:
    // Tokens longer than this are never keys or words of interest; they are
    // still skipped as one token.
    static constexpr std::size_t kMaxWordLength = 255;

    explicit TokenReader(std::string_view text) : text_(text) {}

    bool atEnd();
    // The next token without consuming it; empty at the end.
    std::string_view peek();
    // Consumes and returns the next token; empty at the end.
    std::string_view next();
    // Consumes the next token when it is a number and returns its value;
    // otherwise leaves it in place.
    std::optional<std::uint32_t> nextNumber();
    // The line of the next token, counted from 1.
    int line();

    // The value of a whole token of the form [+-]?[0-9]+, or nothing.
    static std::optional<std::uint32_t> parseNumber(std::string_view token);

  private:
    void skipBlanks();

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace tz
