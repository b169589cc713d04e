#include "params/token_reader.h"

#include <algorithm>

namespace tz {

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
}  // namespace

void TokenReader::skipBlanks() {
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
}

bool TokenReader::atEnd() {
    skipBlanks();
    return pos_ >= text_.size();
}

std::string_view TokenReader::peek() {
    skipBlanks();
    std::size_t end = pos_;
    while (end < text_.size() && !isBlank(text_[end])) ++end;
    return text_.substr(pos_, end - pos_);
}

std::string_view TokenReader::next() {
    const std::string_view token = peek();
    pos_ += token.size();
    return token;
}

std::optional<std::uint32_t> TokenReader::nextNumber() {
    const std::optional<std::uint32_t> value = parseNumber(peek());
    if (value) next();
    return value;
}

int TokenReader::line() {
    skipBlanks();
    return 1 + static_cast<int>(std::count(text_.begin(), text_.begin() + pos_, '\n'));
}

std::optional<std::uint32_t> TokenReader::parseNumber(std::string_view token) {
    bool negative = false;
    if (!token.empty() && (token.front() == '+' || token.front() == '-')) {
        negative = token.front() == '-';
        token.remove_prefix(1);
    }
    if (token.empty()) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : token) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10u + static_cast<std::uint32_t>(c - '0');
    }
    return negative ? 0u - value : value;
}

}  // namespace tz
