// The file subcommands of tz_arko5-cli, run as a user's script would run them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "cli_runner.h"
#include "params/ign_reader.h"
#include "params/param_state.h"
#include "params/saved_image.h"
#include "platform/atomic_file.h"
#include "temp_dir.h"

namespace tz {
namespace {

using testing::CliRun;

class CliFiles : public testing::CliTest {
  protected:
    static std::string data(const std::string& name) {
        return std::string(TZ_PARAMS_DATA_DIR) + "/" + name;
    }
};

TEST_F(CliFiles, NormalizeUpgradesAnOlderFile) {
    const std::string out = dir.file("out.ign");
    const CliRun n = run("normalize " + data("older_v76.ign") + " " + out);
    ASSERT_EQ(n.exitCode, 0) << n.err;
    EXPECT_TRUE(n.err.starts_with("Older version of *.ign file!\n\n")) << n.err;
    const std::string written = readWholeFile(out).value_or("");
    EXPECT_TRUE(written.starts_with("KORVANEX_KEY   91 \n")) << written;

    Image fromNew = firstStartState().image;
    const IgnReadResult again = ReadIgnFile(written, fromNew);
    EXPECT_EQ(again.version, 91);
    EXPECT_EQ(fromNew[field::LIMITER_RPM], 125);
    EXPECT_EQ(fromNew[powerOutMode(2)], 4);
}

TEST_F(CliFiles, ExitCodesAndMessages) {
    EXPECT_EQ(run(data("older_v76.ign")).exitCode, 64);

    struct Case {
        const char* what;
        std::string content;
        int exitCode;
        std::string err;  // IN stands for the file's path
        bool written;
    };
    const std::string notSettings =
        "IN is not a settings file: it has no usable KORVANEX_KEY line\n";
    const Case cases[] = {
        {"no key", "BIKE 1 2 3\n", 1, notSettings, false},
        {"unknown version", "KORVANEX_KEY 90\nBASE_ADV 3\n", 1,
         "Unmatched version of *.ign file!\n" + notSettings, false},
        {"binary junk", std::string("\0\xff\x01KORVANEX_KEY\x02", 17), 1, notSettings, false},
        {"empty", " \r\n", 1, "IN is empty: it holds no settings\n", false},
        {"current", "KORVANEX_KEY 91\nBASE_ADV 3\n", 0, "", true},
        {"byte order mark", "\xEF\xBB\xBFKORVANEX_KEY 91\r\nBASE_ADV 3\r\n", 0, "", true},
        {"not a number", "KORVANEX_KEY 91\nLIMITER 100 abc 6\n", 1,
         "IN, line 2: LIMITER stops at \"abc\", which is not a number; its remaining values "
         "were not read\nNothing written: values of the file were not read (--accept-defaults "
         "writes it anyway)\n",
         false},
    };
    for (const Case& c : cases) {
        const std::string in = write("in.ign", c.content);
        std::string name = c.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        const std::string out = dir.file(name + ".ign");
        const CliRun r = run("normalize " + in + " " + out);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.what;
        std::string err = c.err;
        for (std::size_t at = err.find("IN"); at != std::string::npos;
             at = err.find("IN", at + in.size()))
            err.replace(at, 2, in);
        EXPECT_EQ(r.err, err) << c.what;
        EXPECT_EQ(readWholeFile(out).has_value(), c.written) << c.what;
    }
    const std::string lost = write("lost.ign", "KORVANEX_KEY 91\nLIMITER 100 abc 6\n");
    const CliRun accepted =
        run("--lang DEUTSCH normalize --accept-defaults " + lost + " " + dir.file("accepted.ign"));
    EXPECT_EQ(accepted.exitCode, 0);
    EXPECT_EQ(accepted.err, lost +
                                ", Zeile 2: LIMITER endet bei „abc“, das keine Zahl ist; die "
                                "übrigen Werte wurden nicht gelesen\n");

    const CliRun missing = run("normalize " + dir.file("missing.ign") + " " + dir.file("o.ign"));
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, "Open file error!\n");

    const std::string in = write("ok.ign", "KORVANEX_KEY 91\n");
    const CliRun unwritable = run("normalize " + in + " " + dir.file("no/such/dir/o.ign"));
    EXPECT_EQ(unwritable.exitCode, 2);
    EXPECT_EQ(unwritable.err, "Open file error!\n");

    const CliRun german = run("--lang DEUTSCH normalize " + dir.file("missing.ign") + " x");
    EXPECT_EQ(german.err, "Fehler beim öffnen der Datei!\n");
}

TEST_F(CliFiles, ImagePrintsTheRepairedBytes) {
    const std::string in = write("in.ign", "KORVANEX_KEY 91\nLIMITER 150 5 6\nRPM_ADV 100\n");
    const CliRun r = run("image " + in);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    Image image{};
    ASSERT_EQ(parseSavedImage(r.out, image), 300);
    EXPECT_EQ(r.out, formatSavedImage(image));
    EXPECT_EQ(image[field::LIMITER_RPM], 10);
    EXPECT_EQ(image[field::START_LIMITER_RPM], 10);
    EXPECT_EQ(image[field::RPM_ADV], 3);
}

}  // namespace
}  // namespace tz
