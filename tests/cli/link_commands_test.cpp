// The unit subcommands of tz_arko5-cli against the simulated unit on a
// pseudo-terminal, as a script would run them.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <regex>
#include <sstream>
#include <thread>

#include "cli_runner.h"
#include "link/device_lock.h"
#include "logs/live_csv.h"
#include "platform/atomic_file.h"
#include "platform/restore_points.h"
#include "scoped_env.h"
#include "simulator_process.h"
#include "temp_dir.h"

namespace tz {
namespace {

using testing::CliRun;

class CliUnit : public ::testing::Test {
  protected:
    CliRun cli(const std::string& arguments) { return testing::runCli(dir, arguments); }
    std::string port() const { return dir.file("unit"); }
    static std::string data(const std::string& name) {
        return std::string(TZ_PARAMS_DATA_DIR) + "/" + name;
    }
    // The restore points the runs kept, newest first, as "OPERATION UNIT".
    static std::vector<std::string> restorePoints() {
        std::vector<std::string> out;
        for (const RestorePoint& p : RestorePoints(restorePointDirectory()).list())
            out.push_back(std::string(operationWord(p.operation)) + " " + p.unit);
        return out;
    }
    // The page bytes of the frames the simulator received, from its log.
    std::vector<int> framesReceived() const {
        std::ifstream log(dir.file("sim.log"));
        std::vector<int> kinds;
        std::string time, direction;
        int kind = 0;
        for (std::string line; std::getline(log, line);) {
            std::istringstream fields(line);
            if (fields >> time >> direction >> std::hex >> kind && direction == "<")
                kinds.push_back(kind);
        }
        return kinds;
    }

    testing::TempDir dir;
    // Restore points go to the test's directory, not the user's.
    testing::ScopedEnv dataHome{"XDG_DATA_HOME", dir.file("data").c_str()};
};

TEST_F(CliUnit, ProgramVerifyAndReadBack) {
    testing::Simulator unit(TZ_SIM_PATH, port(), {"--baud", "0", "--saving-ms", "1000"});
    const CliRun program = cli("program --port " + port() + " " + data("defaults.ign"));
    ASSERT_EQ(program.exitCode, 0) << program.err;
    EXPECT_NE(program.out.find("Program device:: OK"), std::string::npos) << program.out;
    EXPECT_NE(program.out.find("Saving:"), std::string::npos) << program.out;

    const CliRun verify = cli("verify --port " + port() + " " + data("defaults.ign"));
    EXPECT_EQ(verify.exitCode, 0) << verify.err;
    EXPECT_NE(verify.out.find("Verify:: OK"), std::string::npos);
    // The file's side is what programming it stored.
    const CliRun diff = cli("diff --port " + port() + " " + data("defaults.ign"));
    EXPECT_EQ(diff.exitCode, 0) << diff.err;
    EXPECT_EQ(diff.out, "");

    const CliRun read = cli("read --port " + port() + " " + dir.file("back.ign"));
    ASSERT_EQ(read.exitCode, 0) << read.err;
    const CliRun original = cli("image " + data("defaults.ign"));
    const CliRun back = cli("image " + dir.file("back.ign"));
    EXPECT_EQ(back.exitCode, 0);
    // The forced zone patterns of the pilot-light and power-jet outputs are
    // what the window programs; compare everything before the power outputs.
    EXPECT_EQ(back.out.substr(0, 1200), original.out.substr(0, 1200));

    const CliRun other = cli("verify --port " + port() + " " + data("older_v76.ign"));
    EXPECT_EQ(other.exitCode, 1);
    EXPECT_NE(other.err.find("Verify error!"), std::string::npos);
}

// What programming a file stored is what diff --port compares the file with:
// both repair it the same way, so nothing differs afterwards.
TEST_F(CliUnit, DiffWithTheUnitIsEmptyAfterProgrammingEveryTestFile) {
    testing::Simulator unit(TZ_SIM_PATH, port(), {"--baud", "0", "--saving-ms", "50"});
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TZ_PARAMS_DATA_DIR)) {
        if (entry.path().extension() != ".ign") continue;
        ++files;
        const std::string file = entry.path().string();
        const CliRun program = cli("program --port " + port() + " " + file);
        ASSERT_EQ(program.exitCode, 0) << file << program.err;
        const CliRun diff = cli("diff --port " + port() + " " + file);
        EXPECT_EQ(diff.exitCode, 0) << file << diff.err;
        EXPECT_EQ(diff.out, "") << file;
    }
    EXPECT_GE(files, 2);
}

TEST_F(CliUnit, ProgramWithTheCheckSendsNothingWhenItFindsAnything) {
    testing::Simulator unit(TZ_SIM_PATH, port(),
                            {"--baud", "0", "--saving-ms", "200", "--log", dir.file("sim.log")});
    std::string text = "KORVANEX_KEY 91\nTPS_MAPA 0\nADVANCE";
    for (int i = 0; i < 99; ++i) text += " 20";
    ASSERT_TRUE(writeFileAtomically(dir.file("jump.ign"), text + " 45\n"));
    const CliRun refused = cli("program --check --port " + port() + " " + dir.file("jump.ign"));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err.rfind("step-across\tADVANCE\t99\tadvance\t10\t9\t", 0), 0u)
        << refused.err;
    EXPECT_EQ(refused.out, "");
    EXPECT_TRUE(framesReceived().empty());

    const CliRun allowed =
        cli("program --check --max-step 25 --port " + port() + " " + dir.file("jump.ign"));
    EXPECT_EQ(allowed.exitCode, 0) << allowed.err;
    const CliRun unchecked = cli("program --port " + port() + " " + dir.file("jump.ign"));
    EXPECT_EQ(unchecked.exitCode, 0) << unchecked.err;
}

TEST_F(CliUnit, ReadAndProgramKeepRestorePointsAndTheBackupComesFirst) {
    testing::Simulator unit(TZ_SIM_PATH, port(), {"--baud", "0", "--saving-ms", "200"});
    ASSERT_EQ(cli("read --port " + port() + " " + dir.file("held.ign")).exitCode, 0);
    EXPECT_EQ(restorePoints(), (std::vector<std::string>{"read TZA05"}));

    const CliRun r = cli("program --backup --port " + port() + " " + data("defaults.ign"));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 27), "Read:\nRead:: OK\nProgram dev") << r.out;
    const std::vector<RestorePoint> points = RestorePoints(restorePointDirectory()).list();
    ASSERT_EQ(restorePoints(),
              (std::vector<std::string>{"program TZA05", "before-program TZA05", "read TZA05"}));
    // The backup holds what the read found: the settings the unit had.
    const CliRun backup = cli("diff " + points[1].path + " " + dir.file("held.ign"));
    EXPECT_EQ(backup.exitCode, 0) << backup.out;
    const CliRun programmed = cli("verify --port " + port() + " " + points[0].path);
    EXPECT_EQ(programmed.exitCode, 0) << programmed.err;
}

// A unit unplugged while it stores the settings may hold none of them: the
// run fails and keeps no restore point of what it programmed.
TEST_F(CliUnit, AUnitLostWhileSavingFailsTheProgrammingRun) {
    auto unit = std::make_unique<testing::Simulator>(
        TZ_SIM_PATH, port(), std::vector<std::string>{"--baud", "0", "--saving-ms", "5000"});
    CliRun r{};
    const std::string output = testing::nextStandardOutput(dir);
    std::thread program([&] { r = cli("program --port " + port() + " " + data("defaults.ign")); });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (readWholeFile(output).value_or("").find("Saving:") == std::string::npos &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    unit.reset();
    program.join();
    EXPECT_EQ(r.exitCode, 1) << r.out;
    EXPECT_EQ(r.err, "Program error!\n");
    EXPECT_EQ(restorePoints(), std::vector<std::string>{});
}

TEST_F(CliUnit, DiffWithTheUnitReadsItWithoutStoringAnything) {
    testing::Simulator unit(TZ_SIM_PATH, port(),
                            {"--baud", "0", "--raw-pages", "--log", dir.file("sim.log")});
    const CliRun r = cli("diff --port " + port() + " " + data("defaults.ign") + " --json");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.substr(0, 8), "{\"key\":\"") << "no progress lines among the data";
    const std::vector<int> frames = framesReceived();
    EXPECT_NE(std::find(frames.begin(), frames.end(), 0x43), frames.end());
    for (int kind : frames) EXPECT_TRUE(kind == 0x30 || kind >= 0x40) << "a store frame: " << kind;
    EXPECT_EQ(restorePoints(), std::vector<std::string>{});
}

TEST_F(CliUnit, DiffWithTheUnitListsWhatProgrammingTheFileWouldChange) {
    testing::Simulator unit(TZ_SIM_PATH, port(), {"--baud", "0", "--saving-ms", "200"});
    ASSERT_EQ(cli("read --port " + port() + " " + dir.file("held.ign")).exitCode, 0);
    std::string text = readWholeFile(dir.file("held.ign")).value_or("");
    const std::size_t limiter = text.find("\nLIMITER ");
    ASSERT_NE(limiter, std::string::npos);
    text.replace(limiter + 1, text.find('\n', limiter + 1) - limiter - 1, "LIMITER 100 120 6");
    ASSERT_TRUE(writeFileAtomically(dir.file("changed.ign"), text));

    const CliRun equal = cli("diff --port " + port() + " " + dir.file("held.ign"));
    EXPECT_EQ(equal.exitCode, 0) << equal.out << equal.err;
    EXPECT_EQ(equal.out, "");
    const CliRun changed = cli("diff --port " + port() + " " + dir.file("changed.ign"));
    EXPECT_EQ(changed.exitCode, 1) << changed.err;
    EXPECT_EQ(changed.out, "LIMITER\t2\tLimiter\t110\t120\n");
}

TEST_F(CliUnit, DiffWithAUnitThatCannotBeRead) {
    testing::Simulator unit(TZ_SIM_PATH, port(), {"--silent"});
    const CliRun r = cli("diff --port " + port() + " " + data("defaults.ign"));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Read error!"), std::string::npos) << r.err;
}

TEST_F(CliUnit, FailuresAreReportedWithTheirText) {
    struct Case {
        std::vector<std::string> options;
        std::string command;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {{"--silent"}, "program", 1, "Program error!"},
        {{"--silent"}, "verify", 1, "Verify error!"},
        {{"--silent"}, "program --backup", 1, "Read error!"},
        {{"--wrong-echo", "2"}, "program", 1, "Program error!"},
        {{"--protocol", "85"},
         "program",
         1,
         "Unmatched version of PC and Ignition programs!  PC-91, IGN-85"},
        {{"--drop", "20", "--seed", "3"}, "program", 0, ""},
        {{"--corrupt", "20", "--seed", "4"}, "verify", 0, ""},
        {{"--garbage", "20", "--seed", "5"}, "program", 0, ""},
        {{"--split", "50"}, "program", 0, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> options = {"--baud", "0", "--saving-ms", "200"};
        options.insert(options.end(), c.options.begin(), c.options.end());
        testing::Simulator unit(TZ_SIM_PATH, port(), options);
        // A verify compares with what a programming run stored first.
        if (c.command == "verify" && c.exitCode == 0) {
            ASSERT_EQ(cli("program --port " + port() + " " + data("defaults.ign")).exitCode, 0);
        }
        const CliRun r = cli(c.command + " --port " + port() + " " + data("defaults.ign"));
        EXPECT_EQ(r.exitCode, c.exitCode) << c.options[0] << " " << r.err;
        if (!c.err.empty()) {
            EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        }
    }
}

TEST_F(CliUnit, ReadFromASilentUnitWritesNothing) {
    testing::Simulator unit(TZ_SIM_PATH, port(), {"--silent"});
    const CliRun r = cli("read --port " + port() + " " + dir.file("out.ign"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Read error!"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.ign")));
}

// Two programs on one port would interleave their frames on the unit.
TEST_F(CliUnit, ABusyPortEndsTheCommandNamingTheDevice) {
    testing::Simulator unit(TZ_SIM_PATH, port(), {"--baud", "0"});
    link::OpenFailure failure = link::OpenFailure::None;
    const int held = link::openLockedDevice(port(), failure);
    ASSERT_GE(held, 0);
    for (const std::string& command : {"program --port " + port() + " " + data("defaults.ign"),
                                       "read --port " + port() + " " + dir.file("out.ign"),
                                       "monitor --port " + port() + " --count 1"}) {
        const CliRun r = cli(command);
        EXPECT_EQ(r.exitCode, 2) << command;
        EXPECT_NE(r.err.find("The port is in use by another program: " + port()), std::string::npos)
            << r.err;
    }
    ::close(held);
}

TEST_F(CliUnit, MonitorPrintsOneObjectPerFrame) {
    testing::Simulator unit(TZ_SIM_PATH, port(),
                            {"--baud", "0", "--set", "rpm=4321", "--set", "tps=12"});
    const CliRun r = cli("--lang CESKY monitor --port " + port() + " --count 3");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    int lines = 0;
    for (char ch : r.out) lines += ch == '\n';
    EXPECT_EQ(lines, 3);
    // Every key in its place: scripts read these lines.
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              R"({"rpm":4321,"tps":12,"throttle_mv":498,"supply_mv":13800,"advance1":0,)"
              R"("advance2":0,"max_advance1":0,"max_advance2":0,"servo_desired_mv":0,)"
              R"("servo_measured_mv":0,"pickup1":false,"pickup2":false,"running":false,)"
              R"("power_out":[0,0,0],"inputs":[0,0],"errors":0,"saving":0,"program_count":0,)"
              R"("protocol":91})");
}

// The lines of a log after its header, each without its times (time_s
// first, time_ms and start_time last).
std::vector<std::string> rowValues(const std::string& log) {
    std::vector<std::string> rows;
    std::size_t at = log.find('\n');
    while (at != std::string::npos && at + 1 < log.size()) {
        const std::size_t end = log.find('\n', at + 1);
        const std::string line = log.substr(at + 1, end - at - 1);
        const std::size_t last = line.rfind(',', line.rfind(',') - 1);
        rows.push_back(line.substr(line.find(',') + 1, last - line.find(',') - 1));
        at = end;
    }
    return rows;
}

TEST_F(CliUnit, ALogRecordedFromTheEngineReplaysInTheSimulator) {
    std::string recorded;
    {
        testing::Simulator unit(TZ_SIM_PATH, port(), {"--baud", "0", "--engine"});
        const CliRun r = cli("monitor --port " + port() + " --csv --count 8");
        ASSERT_EQ(r.exitCode, 0) << r.err;
        recorded = r.out;
    }
    ASSERT_EQ(recorded.substr(0, logs::LiveCsvHeader().size()), logs::LiveCsvHeader());
    const logs::ParsedLiveCsv parsed = logs::ParseLiveCsv(recorded);
    ASSERT_FALSE(parsed.error) << logs::DescribeLiveCsvError(*parsed.error);
    ASSERT_EQ(parsed.log.rows.size(), 8u);
    EXPECT_EQ(parsed.log.rows.front().timeMs, 0);
    EXPECT_GT(parsed.log.rows.back().timeMs, parsed.log.rows.front().timeMs);
    EXPECT_NE(parsed.log.rows.front().values.rpm, parsed.log.rows.back().values.rpm);
    std::ofstream(dir.file("ride.csv"), std::ios::binary) << recorded;

    testing::Simulator replay(TZ_SIM_PATH, port(),
                              {"--baud", "0", "--replay", dir.file("ride.csv")});
    const CliRun r = cli("monitor --port " + port() + " --csv --count 5");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // Every replayed frame is a recorded row, in the recorded order.
    const std::vector<std::string> original = rowValues(recorded);
    const std::vector<std::string> again = rowValues(r.out);
    ASSERT_EQ(again.size(), 5u);
    auto from = original.begin();
    for (const std::string& row : again) {
        from = std::find(from, original.end(), row);
        ASSERT_NE(from, original.end()) << row << "\nnot in order in\n" << recorded;
    }
    EXPECT_NE(again.front(), again.back());
}

// For spreadsheets that write a decimal comma: ';' between values.
TEST_F(CliUnit, MonitorWritesTheDecimalCommaFormWithItsStartTime) {
    testing::Simulator unit(TZ_SIM_PATH, port(), {"--baud", "0", "--set", "rpm=4321"});
    const CliRun r = cli("monitor --port " + port() + " --csv --decimal-comma --count 3");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string_view header = logs::LiveCsvHeader(logs::LiveCsvForm::DecimalComma);
    ASSERT_EQ(r.out.substr(0, header.size()), header);
    const std::string first =
        r.out.substr(header.size(), r.out.find('\n', header.size()) - header.size());
    EXPECT_TRUE(std::regex_match(
        first, std::regex(R"(0,000;4321;.*;0;\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)")))
        << first;
    const logs::ParsedLiveCsv parsed = logs::ParseLiveCsv(r.out);
    ASSERT_FALSE(parsed.error) << logs::DescribeLiveCsvError(*parsed.error);
    ASSERT_EQ(parsed.log.rows.size(), 3u);
    EXPECT_EQ(parsed.log.rows.back().values.rpm, 4321);
}

TEST_F(CliUnit, MonitorUsage) {
    for (const char* arguments :
         {"monitor --csv", "monitor --port X --csv --count 0", "monitor --port X --csv --rows 3",
          "monitor --port X --decimal-comma --count 3", "monitor --port X --count -3",
          "monitor --port X --count 1x", "monitor --port X --count", "monitor --port X --count ''",
          "monitor --port X --csv --count 99999999999999999999"}) {
        const CliRun r = cli(arguments);
        EXPECT_EQ(r.exitCode, 64) << arguments;
        EXPECT_NE(r.err.find("[--csv [--decimal-comma]]"), std::string::npos) << arguments;
    }
}

TEST_F(CliUnit, MonitorEndsWhenThePortOrTheUnitIsMissing) {
    struct Case {
        std::vector<std::string> simulator;  // none: no device at all
        std::string arguments;
        std::string err;
        std::string firstFrame = {};  // what a unit that went away gave before
    };
    const std::string away = "The unit does not answer on " + port() + ".";
    const Case cases[] = {
        {{}, "monitor --count 3", "Com opening error!"},
        {{}, "monitor --csv --count 3", "Com opening error!"},
        {{"--silent"},
         "--lang DEUTSCH monitor --count 3",
         "Die Zündung antwortet nicht an " + port() + "."},
        {{"--silent"}, "monitor --csv", away},
        {{"--away", "2000:600000"}, "monitor --count 100000", away, "{\"rpm\":"},
        {{"--away", "2000:600000"}, "monitor --csv --count 100000", away, "\n0.000,"},
    };
    for (const Case& c : cases) {
        std::optional<testing::Simulator> unit;
        if (!c.simulator.empty()) {
            std::vector<std::string> options = {"--baud", "0"};
            options.insert(options.end(), c.simulator.begin(), c.simulator.end());
            unit.emplace(TZ_SIM_PATH, port(), options);
        }
        const CliRun r = cli(c.arguments + " --port " + port());
        EXPECT_EQ(r.exitCode, 1) << c.arguments << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << c.arguments << r.err;
        EXPECT_NE(r.out.find(c.firstFrame), std::string::npos) << c.arguments << r.out;
    }
}

// A full disk, a closed pipe: the monitor ends with the system's reason.
TEST_F(CliUnit, MonitorOutputThatCannotBeWrittenEndsItWithTheReason) {
    testing::Simulator unit(TZ_SIM_PATH, port(), {"--baud", "0"});
    for (const char* csv : {" --csv", ""}) {
        const std::string command = "timeout 120 " + std::string(TZ_CLI_PATH) + " monitor --port " +
                                    port() + csv + " --count 3 >/dev/full 2>" + dir.file("err");
        const int status = std::system(command.c_str());
        EXPECT_EQ(WEXITSTATUS(status), 1) << csv;
        const std::string err = readWholeFile(dir.file("err")).value_or("");
        EXPECT_NE(err.find("No space left on device"), std::string::npos) << csv << err;
    }
}

}  // namespace
}  // namespace tz
