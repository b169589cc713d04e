#include "logs/live_csv.h"

#include <gtest/gtest.h>

#include <vector>

#include "busy_live_values.h"

namespace tz::logs {
namespace {

using testing::busyValues;

std::string row(std::int64_t ms, const link::LiveValues& v,
                LiveCsvForm form = LiveCsvForm::DecimalPoint, std::string_view startTime = {}) {
    LiveRowBuffer buffer;
    return std::string(FormatLiveRow(ms, v, buffer, form, startTime));
}

constexpr std::string_view kStart = "2026-12-11T05:40:00+01:00";

TEST(LiveCsvFormat, HeaderNamesTheMonitorOutputInOrderThenTheExactTimes) {
    EXPECT_EQ(LiveCsvHeader(),
              "time_s,rpm,tps,throttle_mv,supply_mv,advance1,advance2,max_advance1,max_advance2,"
              "servo_desired_mv,servo_measured_mv,pickup1,pickup2,running,power_out1,power_out2,"
              "power_out3,input1,input2,errors,saving,program_count,protocol,time_ms,"
              "start_time\n");
    EXPECT_EQ(LiveCsvHeader(LiveCsvForm::DecimalComma),
              "time_s;rpm;tps;throttle_mv;supply_mv;advance1;advance2;max_advance1;max_advance2;"
              "servo_desired_mv;servo_measured_mv;pickup1;pickup2;running;power_out1;power_out2;"
              "power_out3;input1;input2;errors;saving;program_count;protocol;time_ms;"
              "start_time\n");
    EXPECT_EQ(LiveColumnName(LiveColumn::Protocol), "protocol");
}

TEST(LiveCsvFormat, RowHasEveryValueWithBooleansAsDigits) {
    EXPECT_EQ(row(12345, busyValues()),
              "12.345,6500,42,2316,13812,-7,31,36,35,3005,4995,1,0,1,1,0,1,0,1,6,512,1234,91,"
              "12345,\n");
    EXPECT_EQ(row(12345, busyValues(), LiveCsvForm::DecimalComma, kStart),
              "12,345;6500;42;2316;13812;-7;31;36;35;3005;4995;1;0;1;1;0;1;0;1;6;512;1234;91;"
              "12345;2026-12-11T05:40:00+01:00\n");
}

TEST(LiveCsvFormat, TimeHasThreeDecimals) {
    const std::pair<std::int64_t, std::string> cases[] = {
        {0, "0.000"},    {5, "0.005"},          {70, "0.070"},
        {1000, "1.000"}, {3600001, "3600.001"}, {-40, "0.000"},
    };
    for (const auto& [ms, text] : cases)
        EXPECT_EQ(row(ms, {}).substr(0, row(ms, {}).find(',')), text) << ms;
}

TEST(LiveCsvFormat, LongestRowFitsTheBuffer) {
    link::LiveValues v;
    v.rpm = v.throttleMv = v.supplyMv = v.servoDesiredMv = v.servoMeasuredMv = 65535;
    v.maxAdvance = {65535, 65535};
    v.savingCountdown = v.programCount = 65535;
    v.throttlePercent = v.errorBits = v.protocolVersion = 255;
    v.advance = {-2147483647 - 1, -2147483647 - 1};
    const std::string text = row(INT64_MAX, v, LiveCsvForm::DecimalComma, std::string(200, 'x'));
    EXPECT_LE(text.size(), kMaxLiveRowSize);
    EXPECT_EQ(text.back(), '\n');
}

TEST(LiveCsvParse, ReadsBackWhatWasWrittenInEitherForm) {
    for (const LiveCsvForm form : {LiveCsvForm::DecimalPoint, LiveCsvForm::DecimalComma}) {
        std::string text(LiveCsvHeader(form));
        for (int i = 0; i < 3; ++i)
            text += row(1055 * i, busyValues(i), form, i == 0 ? kStart : std::string_view());
        const ParsedLiveCsv parsed = ParseLiveCsv(text);
        ASSERT_FALSE(parsed.error) << text;
        ASSERT_EQ(parsed.log.rows.size(), 3u);
        for (std::size_t c = 0; c < kLiveColumnCount; ++c) EXPECT_TRUE(parsed.log.present[c]) << c;
        for (int i = 0; i < 3; ++i) {
            const LiveRow& r = parsed.log.rows[static_cast<std::size_t>(i)];
            EXPECT_EQ(r.timeMs, 1055 * i);
            EXPECT_EQ(row(r.timeMs, r.values), row(1055 * i, busyValues(i)));
            EXPECT_EQ(r.values.versionState, link::VersionState::Match);
        }
        EXPECT_FALSE(parsed.log.lastRowCutOff);
    }
}

// What spreadsheets make of the times: time_ms is exact and wins; time_s may
// carry a decimal comma in the ';' form.
TEST(LiveCsvParse, TimesAsSpreadsheetsLeaveThem) {
    const std::pair<std::string, std::vector<std::int64_t>> cases[] = {
        {"time_s,rpm\n0.330,1\n1.5,1\n", {330, 1500}},
        {"time_s,rpm,time_ms\n330,1,330\n1500,1,1500\n", {330, 1500}},
        {"time_ms,rpm\n0,1\n1500,1\n", {0, 1500}},
        {"time_s;rpm\n0,330;1\n1.5;1\n", {330, 1500}},
        {"\"time_s\";\"rpm\"\r\n\"0,330\";\"1\"\r\n\"2\";\"1\"\r\n", {330, 2000}},
        {"time_s;rpm;time_ms;start_time\n0,000;1;0;2026-12-11T05:40:00+01:00\n1,5;1;1500;\n",
         {0, 1500}},
    };
    for (const auto& [text, times] : cases) {
        const ParsedLiveCsv parsed = ParseLiveCsv(text);
        ASSERT_FALSE(parsed.error) << text << DescribeLiveCsvError(*parsed.error);
        ASSERT_EQ(parsed.log.rows.size(), times.size()) << text;
        for (std::size_t i = 0; i < times.size(); ++i)
            EXPECT_EQ(parsed.log.rows[i].timeMs, times[i]) << text;
        EXPECT_TRUE(parsed.log.has(LiveColumn::Rpm)) << text;
    }
}

TEST(LiveCsvParse, ColumnsInAnyOrderUnknownOnesIgnoredMissingOnesReported) {
    const ParsedLiveCsv parsed = ParseLiveCsv(
        "\xEF\xBB\xBF\"rpm\", note ,time_s,advance1,protocol\r\n"
        "3000,hello,0.5,-3,90\r\n"
        "\r\n"
        "3100,,1.25,12,91\r\n");
    ASSERT_FALSE(parsed.error) << DescribeLiveCsvError(*parsed.error);
    const LiveLog& log = parsed.log;
    ASSERT_EQ(log.rows.size(), 2u);
    EXPECT_TRUE(log.has(LiveColumn::Rpm));
    EXPECT_TRUE(log.has(LiveColumn::Advance1));
    EXPECT_FALSE(log.has(LiveColumn::SupplyMv));
    EXPECT_FALSE(log.has(LiveColumn::Advance2));
    EXPECT_EQ(log.rows[0].timeMs, 500);
    EXPECT_EQ(log.rows[0].values.rpm, 3000);
    EXPECT_EQ(log.rows[0].values.advance[0], -3);
    EXPECT_EQ(log.rows[0].values.supplyMv, 0);
    EXPECT_EQ(log.rows[0].values.versionState, link::VersionState::Mismatch);
    EXPECT_EQ(log.rows[1].timeMs, 1250);
    EXPECT_EQ(log.rows[1].values.rpm, 3100);
    EXPECT_EQ(log.rows[1].values.versionState, link::VersionState::Match);
}

TEST(LiveCsvParse, TimeInSecondsWithUpToThreeDecimalsKept) {
    const std::pair<std::string, std::int64_t> cases[] = {
        {"7", 7000}, {"0.5", 500}, {"0.05", 50}, {"2.001", 2001}, {"1.23456", 1234}, {"0", 0},
    };
    for (const auto& [text, ms] : cases) {
        const ParsedLiveCsv parsed = ParseLiveCsv("time_s\n" + text + "\n");
        ASSERT_FALSE(parsed.error) << text;
        EXPECT_EQ(parsed.log.rows.at(0).timeMs, ms) << text;
    }
}

TEST(LiveCsvParse, AHeaderAloneIsAnEmptyLog) {
    const ParsedLiveCsv parsed = ParseLiveCsv(LiveCsvHeader());
    EXPECT_FALSE(parsed.error);
    EXPECT_TRUE(parsed.log.rows.empty());
}

TEST(LiveCsvParse, RowCutOffWithoutLineEndIsLeftOut) {
    // Every row is written with its line end: a last line without one was
    // cut off, wherever the cut fell, even inside the last value.
    const std::string whole = "time_s,rpm,tps\n0.000,1000,5\n0.055,1100,6\n";
    for (const char* cut : {"0.110,12", "0.110,1200,7", "0.110,1200,7,1", "0.1"}) {
        const ParsedLiveCsv parsed = ParseLiveCsv(whole + cut);
        ASSERT_FALSE(parsed.error) << cut;
        EXPECT_EQ(parsed.log.rows.size(), 2u) << cut;
        EXPECT_TRUE(parsed.log.lastRowCutOff) << cut;
    }
    // With its line end the short row is broken; blanks at the end are no row.
    EXPECT_TRUE(ParseLiveCsv(whole + "0.110,12\n").error);
    EXPECT_FALSE(ParseLiveCsv(whole + " ").log.lastRowCutOff);
}

TEST(LiveCsvParse, ErrorsNameTheLineAndColumn) {
    using P = LiveCsvProblem;
    const struct {
        std::string text;
        LiveCsvError error;
    } cases[] = {
        {"", {P::NoTimeColumn, 1, ""}},
        {"rpm,tps\n1,2\n", {P::NoTimeColumn, 1, ""}},
        {"time_s,rpm,rpm\n", {P::RepeatedColumn, 1, "rpm"}},
        {"time_s,rpm,time_s\n", {P::RepeatedColumn, 1, "time_s"}},
        {"time_s,rpm\n0,1\n1,2,3\n", {P::ValueCount, 3, ""}},
        {"time_s,rpm\n0,1\n1\n", {P::ValueCount, 3, ""}},
        {"time_s,rpm\n0,1\n\n1,abc\n", {P::NotANumber, 4, "rpm"}},
        {"time_s,rpm\n0,12x\n", {P::NotANumber, 2, "rpm"}},
        {"time_s,rpm\n0,\n", {P::NotANumber, 2, "rpm"}},
        {"time_s,rpm\n0,1.5\n", {P::NotANumber, 2, "rpm"}},
        {"time_s,rpm\n0,+5\n", {P::NotANumber, 2, "rpm"}},
        {"time_s,rpm\nnow,1\n", {P::NotANumber, 2, "time_s"}},
        {"time_s,rpm\n1.,1\n", {P::NotANumber, 2, "time_s"}},
        {"time_s,rpm\n.5,1\n", {P::NotANumber, 2, "time_s"}},
        {"time_s,rpm\n1.2.3,1\n", {P::NotANumber, 2, "time_s"}},
        {"time_s,rpm\n-1.000,1\n", {P::OutOfRange, 2, "time_s"}},
        {"time_s,rpm\n99999999999999999999,1\n", {P::OutOfRange, 2, "time_s"}},
        {"time_s,rpm\n0,65536\n", {P::OutOfRange, 2, "rpm"}},
        {"time_s,rpm\n0,-1\n", {P::OutOfRange, 2, "rpm"}},
        {"time_s,rpm\n0,99999999999\n", {P::OutOfRange, 2, "rpm"}},
        {"time_s,tps\n0,256\n", {P::OutOfRange, 2, "tps"}},
        {"time_s,pickup1\n0,2\n", {P::OutOfRange, 2, "pickup1"}},
        {"time_s,advance2\n0,-101\n", {P::OutOfRange, 2, "advance2"}},
        {"time_s,advance2\n0,156\n", {P::OutOfRange, 2, "advance2"}},
        {"time_s,rpm\n1.000,1\n0.999,1\n", {P::TimeBackwards, 3, "time_s"}},
        {"time_s,rpm\n0,5,1\n", {P::ValueCount, 2, ""}},
        {"time_s;rpm\n0;5;1\n", {P::ValueCount, 2, ""}},
        {"time_s;rpm\n0,5,1;1\n", {P::NotANumber, 2, "time_s"}},
        {"time_s,time_ms,time_ms\n", {P::RepeatedColumn, 1, "time_ms"}},
        {"time_ms,rpm\n0.5,1\n", {P::NotANumber, 2, "time_ms"}},
        {"time_ms,rpm\n-1,1\n", {P::OutOfRange, 2, "time_ms"}},
        {"time_ms,rpm\n99999999999999999999,1\n", {P::OutOfRange, 2, "time_ms"}},
        {"time_s,time_ms\n5,1000\n4,999\n", {P::TimeBackwards, 3, "time_ms"}},
    };
    for (const auto& c : cases) {
        const ParsedLiveCsv parsed = ParseLiveCsv(c.text);
        ASSERT_TRUE(parsed.error) << c.text;
        EXPECT_EQ(*parsed.error, c.error) << c.text << DescribeLiveCsvError(*parsed.error);
        EXPECT_TRUE(parsed.log.rows.empty());
    }
}

TEST(LiveCsvParse, ValuesOfUnknownColumnsAreNotChecked) {
    const ParsedLiveCsv parsed = ParseLiveCsv("time_s,comment\n0,anything\n");
    EXPECT_FALSE(parsed.error);
    EXPECT_EQ(parsed.log.rows.size(), 1u);
}

TEST(LiveCsvParse, EqualTimesAreKeptInOrder) {
    const ParsedLiveCsv parsed = ParseLiveCsv("time_s,rpm\n1,100\n1,200\n");
    ASSERT_EQ(parsed.log.rows.size(), 2u);
    EXPECT_EQ(parsed.log.rows[1].values.rpm, 200);
}

TEST(LiveCsvError, DescribedInOneLine) {
    EXPECT_EQ(DescribeLiveCsvError({LiveCsvProblem::NotANumber, 7, "rpm"}),
              "line 7: rpm: not a number");
    EXPECT_EQ(DescribeLiveCsvError({LiveCsvProblem::ValueCount, 3, ""}),
              "line 3: the number of values differs from the header");
}

}  // namespace
}  // namespace tz::logs
