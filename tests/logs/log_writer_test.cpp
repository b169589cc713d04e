#include "logs/log_writer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "busy_live_values.h"
#include "temp_dir.h"

namespace tz::logs {
namespace {

using testing::busyValues;

// A file that takes `room` bytes, then fails every write as a full disk
// does, having written what still fitted.
class FillingSink final : public LogSink {
  public:
    FillingSink(std::string& contents, std::size_t room) : contents_(contents), room_(room) {}

    std::error_code write(std::string_view bytes) override {
        const std::size_t fits = std::min(bytes.size(), room_ - contents_.size());
        contents_.append(bytes.substr(0, fits));
        ++writes;
        if (fits < bytes.size()) return std::make_error_code(std::errc::no_space_on_device);
        return {};
    }
    void truncate(std::uint64_t size) override { contents_.resize(size); }

    int writes = 0;

  private:
    std::string& contents_;
    std::size_t room_;
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(LogWriter, EachRowReachesTheFileAsItIsAppended) {
    tz::testing::TempDir dir;
    const std::string path = dir.file("ride.csv");
    std::error_code error;
    LogWriter writer(OpenLogFile(path, error));
    ASSERT_FALSE(error);
    EXPECT_EQ(readFile(path), LiveCsvHeader());

    ASSERT_TRUE(writer.append(10'000, busyValues(0)));
    ASSERT_TRUE(writer.append(10'055, busyValues(1)));
    ASSERT_TRUE(writer.append(11'500, busyValues(2)));
    EXPECT_EQ(writer.rows(), 3u);
    EXPECT_EQ(writer.durationMs(), 1500);

    // Read while the writer is still open: nothing waits in a buffer.
    const ParsedLiveCsv parsed = ParseLiveCsv(readFile(path));
    ASSERT_FALSE(parsed.error);
    ASSERT_EQ(parsed.log.rows.size(), 3u);
    EXPECT_EQ(parsed.log.rows[0].timeMs, 0);
    EXPECT_EQ(parsed.log.rows[1].timeMs, 55);
    EXPECT_EQ(parsed.log.rows[2].timeMs, 1500);
    EXPECT_EQ(parsed.log.rows[2].values.rpm, busyValues(2).rpm);
}

TEST(LogWriter, TheStartTimeGoesIntoTheFirstRowOfItsForm) {
    std::string contents;
    LogWriter writer(std::make_unique<FillingSink>(contents, 10'000), LiveCsvForm::DecimalComma,
                     "2026-12-11T05:40:00+01:00");
    ASSERT_TRUE(writer.append(20'000, busyValues(0)));
    ASSERT_TRUE(writer.append(21'250, busyValues(1)));
    const std::size_t header = LiveCsvHeader(LiveCsvForm::DecimalComma).size();
    ASSERT_EQ(contents.substr(0, header), LiveCsvHeader(LiveCsvForm::DecimalComma));
    const std::size_t firstEnd = contents.find('\n', header);
    EXPECT_TRUE(contents.substr(header, firstEnd - header).starts_with("0,000;"));
    EXPECT_TRUE(contents.substr(0, firstEnd).ends_with(";0;2026-12-11T05:40:00+01:00"));
    EXPECT_TRUE(contents.substr(firstEnd + 1).starts_with("1,250;"));
    EXPECT_TRUE(contents.ends_with(";1250;\n"));
}

TEST(LogWriter, OpeningFailsWhereNoFileCanBeMade) {
    tz::testing::TempDir dir;
    std::error_code error;
    EXPECT_EQ(OpenLogFile(dir.file("missing/ride.csv"), error), nullptr);
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
}

TEST(LogWriter, AFailedWriteStopsTheRecordingAndKeepsTheWholeRows) {
    const std::size_t header = LiveCsvHeader().size();
    LiveRowBuffer buffer;
    const std::size_t rowSize = FormatLiveRow(0, busyValues(), buffer).size();

    std::string contents;
    auto sink = std::make_unique<FillingSink>(contents, header + 2 * rowSize + rowSize / 2);
    FillingSink& file = *sink;
    LogWriter writer(std::move(sink));
    // Times whose rows are as long as the first.
    EXPECT_TRUE(writer.append(0, busyValues()));
    EXPECT_TRUE(writer.append(5, busyValues()));
    EXPECT_FALSE(writer.failed());

    EXPECT_FALSE(writer.append(8, busyValues()));
    EXPECT_TRUE(writer.failed());
    EXPECT_EQ(writer.failure(), std::errc::no_space_on_device);
    EXPECT_EQ(writer.rows(), 2u);
    EXPECT_EQ(contents.size(), header + 2 * rowSize);

    // Stopped: later rows are not even tried.
    EXPECT_FALSE(writer.append(9, busyValues()));
    EXPECT_EQ(file.writes, 4);
    const ParsedLiveCsv parsed = ParseLiveCsv(contents);
    ASSERT_FALSE(parsed.error);
    EXPECT_EQ(parsed.log.rows.size(), 2u);
}

TEST(LogWriter, AHeaderThatCannotBeWrittenFailsAtOnce) {
    std::string contents;
    LogWriter writer(std::make_unique<FillingSink>(contents, 10));
    EXPECT_TRUE(writer.failed());
    EXPECT_TRUE(contents.empty());
    EXPECT_FALSE(writer.append(0, busyValues()));
}

TEST(LogWriter, AFullDeviceIsReported) {
    std::error_code error;
    std::unique_ptr<LogSink> full = OpenLogFile("/dev/full", error);
    if (!full) GTEST_SKIP() << "no /dev/full here";
    LogWriter writer(std::move(full));
    EXPECT_EQ(writer.failure(), std::errc::no_space_on_device);
}

}  // namespace
}  // namespace tz::logs
