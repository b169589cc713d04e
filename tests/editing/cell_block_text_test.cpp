#include "editing/cell_block_text.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace tz::editing {
namespace {

constexpr std::nullopt_t kBlank = std::nullopt;

CellBlock blockOf(std::initializer_list<std::initializer_list<std::optional<int>>> rows) {
    CellBlock b{static_cast<int>(rows.size()), static_cast<int>(rows.begin()->size()), {}};
    for (const auto& row : rows) b.cells.insert(b.cells.end(), row);
    return b;
}

TEST(CellBlockText, FormatsRowsWithTabsAndALineEndEach) {
    EXPECT_EQ(formatCellBlock(blockOf({{20, -3, 0}, {kBlank, 60, kBlank}})), "20\t-3\t0\n\t60\t\n");
    EXPECT_EQ(formatCellBlock(blockOf({{7}})), "7\n");
    EXPECT_EQ(formatCellBlock(CellBlock{}), "");
}

struct ParseCase {
    const char* name;
    std::string text;
    CellBlock block;
};

TEST(CellBlockText, ReadsWhatSpreadsheetsAndTextFilesHold) {
    const ParseCase cases[] = {
        {"spreadsheet block, CRLF", "20\t21\t22\r\n23\t24\t25\r\n",
         blockOf({{20, 21, 22}, {23, 24, 25}})},
        {"LF, no final line end", "1\t2\n3\t4", blockOf({{1, 2}, {3, 4}})},
        {"single value", "17", blockOf({{17}})},
        {"single value with line end", "17\r\n", blockOf({{17}})},
        {"blanks around values", "  5 \t 6  \n +4\t-0\n", blockOf({{5, 6}, {4, 0}})},
        {"decimals round half away from zero", "12.5\t-12.5\t12.49\t0.5\t.5\t7.\t-0.4\n",
         blockOf({{13, -13, 12, 1, 1, 7, 0}})},
        {"decimal comma between tabs", "12,5\t3,2\n", blockOf({{13, 3}})},
        {"semicolons with decimal commas", "1,5;2,4\n3;4\n", blockOf({{2, 2}, {3, 4}})},
        {"commas with decimal points", "1.5, 2\n3,4\n", blockOf({{2, 2}, {3, 4}})},
        {"one column with decimal commas", "12,5\r\n\r\n-13,4\r\n",
         blockOf({{13}, {kBlank}, {-13}})},
        {"one value with a decimal comma", "7,5", blockOf({{8}})},
        {"two values need a blank after the comma", "1, 5", blockOf({{1, 5}})},
        {"blank cells and ragged rows", "1\t\t3\n4\n\t5\n",
         blockOf({{1, kBlank, 3}, {4, kBlank, kBlank}, {kBlank, 5, kBlank}})},
        {"lone CR line ends", "1\r2\r", blockOf({{1}, {2}})},
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "8\t9",
         blockOf({{8, 9}})},
        {"huge values are limited", "99999999999999\t-12345678901.9",
         blockOf({{kCellTextValueLimit, -kCellTextValueLimit}})},
    };
    for (const ParseCase& k : cases) {
        SCOPED_TRACE(k.name);
        const auto result = parseCellBlock(k.text);
        ASSERT_TRUE(std::holds_alternative<CellBlock>(result))
            << "error at " << std::get<CellTextError>(result).row << ","
            << std::get<CellTextError>(result).column;
        EXPECT_EQ(std::get<CellBlock>(result), k.block);
    }
}

std::string repeated(std::string_view s, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += s;
    return out;
}

struct ErrorCase {
    const char* name;
    std::string text;
    CellTextError error;
};

TEST(CellBlockText, RejectsTheWholeTextAndSaysWhere) {
    using Kind = CellTextError::Kind;
    const ErrorCase cases[] = {
        {"empty", "", {Kind::NoValues, 0, 0, ""}},
        {"only blanks and separators", " \n\t\r\n", {Kind::NoValues, 0, 0, ""}},
        {"word", "1\tabc\n", {Kind::NotANumber, 0, 1, "abc"}},
        {"later row, CRLF", "1\t2\r\n3\t x4 \r\n", {Kind::NotANumber, 1, 1, "x4"}},
        {"two decimal marks", "1.2.5\t1", {Kind::NotANumber, 0, 0, "1.2.5"}},
        {"exponent", "1e3", {Kind::NotANumber, 0, 0, "1e3"}},
        {"sign alone", "5;-", {Kind::NotANumber, 0, 1, "-"}},
        {"point alone", ".", {Kind::NotANumber, 0, 0, "."}},
        {"double sign", "--1", {Kind::NotANumber, 0, 0, "--1"}},
        {"decimal comma column broken by a word", "12,5\nab\n", {Kind::NotANumber, 1, 0, "ab"}},
        {"too many rows",
         repeated("1\n", kCellTextMaxRows + 1),
         {Kind::TooLarge, kCellTextMaxRows, 0, ""}},
        {"too many columns",
         repeated("1\t", kCellTextMaxColumns + 1),
         {Kind::TooLarge, 0, kCellTextMaxColumns, ""}},
    };
    for (const ErrorCase& k : cases) {
        SCOPED_TRACE(k.name);
        const auto result = parseCellBlock(k.text);
        ASSERT_TRUE(std::holds_alternative<CellTextError>(result));
        EXPECT_EQ(std::get<CellTextError>(result), k.error);
    }
}

TEST(CellBlockText, RefusesDigitGroupingAndNamesTheCell) {
    struct Case {
        std::string text;
        int row, column;
        std::string field;
    };
    const Case grouped[] = {
        {"1.000\t2.000\t3.000", 0, 0, "1.000"},  // one or a thousand?
        {"300\t2.000\n", 0, 1, "2.000"},
        {"1,500\n2,500\n", 0, 0, "1,500"},  // a column: decimal comma or grouping?
        {"5;-12.345", 0, 1, "-12.345"},
        {"1 500\t2", 0, 0, "1 500"},
        {"1\xC2\xA0"
         "500",
         0, 0,
         "1\xC2\xA0"
         "500"},
        {"1'000'000", 0, 0, "1'000'000"},
        {"1.000.000", 0, 0, "1.000.000"},
        {"1.234,5\t1", 0, 0, "1.234,5"},
        {"7\n12,345,678.25\t8", 1, 0, "12,345,678.25"},
    };
    for (const Case& c : grouped) {
        SCOPED_TRACE(c.text);
        const auto result = parseCellBlock(c.text);
        ASSERT_TRUE(std::holds_alternative<CellTextError>(result));
        const CellTextError& e = std::get<CellTextError>(result);
        EXPECT_EQ(e, (CellTextError{CellTextError::Kind::Grouping, c.row, c.column, c.field}));
    }
    // No grouping: a leading zero, more than three digits before the mark,
    // other than three digits after it.
    const auto plain = parseCellBlock("0.500\t1500.25\t1.50\t1.2345\t1000");
    ASSERT_TRUE(std::holds_alternative<CellBlock>(plain));
    EXPECT_EQ(std::get<CellBlock>(plain), blockOf({{1, 1500, 2, 1, 1000}}));
}

TEST(CellBlockText, QuotesALongFieldCutOnACharacterBoundary) {
    std::string word;
    for (int i = 0; i < 20; ++i) word += "\xC3\xA9";  // two bytes each
    const auto result = parseCellBlock("1\tx" + word + "\n");
    ASSERT_TRUE(std::holds_alternative<CellTextError>(result));
    const std::string& field = std::get<CellTextError>(result).field;
    EXPECT_EQ(field, ("x" + word).substr(0, 31));
}

TEST(CellBlockText, AFullSizeBlockReadsBackUnchanged) {
    CellBlock block{kCellTextMaxRows, 3, {}};
    for (int i = 0; i < block.rows * block.columns; ++i) block.cells.emplace_back(i % 61 - 5);
    const auto again = parseCellBlock(formatCellBlock(block));
    ASSERT_TRUE(std::holds_alternative<CellBlock>(again));
    EXPECT_EQ(std::get<CellBlock>(again), block);
}

}  // namespace
}  // namespace tz::editing
