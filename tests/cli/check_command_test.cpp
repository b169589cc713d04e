// tz_arko5-cli check and wheel: the settings check and the trigger wheel's
// picture for scripts.
#include <gtest/gtest.h>

#include <string>

#include "cli_runner.h"

namespace tz {
namespace {

using testing::CliRun;

std::string data(const std::string& name) {
    return std::string(TZ_PARAMS_DATA_DIR) + "/" + name;
}

// A speed-only map: the throttle rows at 20°, then the speed-only row.
std::string fileWithRow(const std::string& row) {
    std::string text = "KORVANEX_KEY 91\nTPS_MAPA 0\nADVANCE";
    for (int i = 0; i < 90; ++i) text += " 20";
    return text + " " + row + "\n";
}

class CliCheck : public testing::CliTest {};

TEST_F(CliCheck, FindingsAsLinesOrJsonAndTheExitStatus) {
    const std::string file = write("jump.ign", fileWithRow("20 20 20 45 20 20 20 20 20 20"));
    const CliRun lines = run("check " + file);
    EXPECT_EQ(lines.exitCode, 1) << lines.err;
    EXPECT_EQ(lines.out,
              "step-across\tADVANCE\t93\tadvance\t10\t3\tRow 10, columns 3 and 4: the advance "
              "steps from 20° to 45°, more than 10°.\n"
              "step-across\tADVANCE\t94\tadvance\t10\t4\tRow 10, columns 4 and 5: the advance "
              "steps from 45° to 20°, more than 10°.\n");

    const CliRun json = run("--lang CESKY check " + file + " --json --max-step 25");
    EXPECT_EQ(json.exitCode, 0) << json.out;
    EXPECT_EQ(json.out, "");
    const CliRun tight = run("check " + file + " --json --max-step 24");
    EXPECT_EQ(tight.exitCode, 1);
    EXPECT_EQ(tight.out.rfind(R"({"kind":"step-across","key":"ADVANCE","index":93,)", 0), 0u);
    EXPECT_NE(tight.out.find(R"("table":"advance","row":10,"column":3,)"), std::string::npos);

    EXPECT_EQ(run("check " + data("defaults.ign")).exitCode, 0);
    EXPECT_EQ(run("check " + dir.file("missing.ign")).exitCode, 2);
    EXPECT_EQ(run("check " + write("empty.ign", "nothing\n")).exitCode, 2);
    EXPECT_EQ(run("check " + file + " --max-step 61").exitCode, 64);
    EXPECT_EQ(run("check").exitCode, 64);
}

TEST_F(CliCheck, WheelWritesEachLobeAndPickupAsAnElement) {
    const std::string svg = dir.file("wheel.svg");
    ASSERT_EQ(run("wheel " + data("defaults.ign") + " --out " + svg).exitCode, 0);
    const std::string text = readWholeFile(svg).value_or("");
    const auto count = [&](const std::string& part) {
        int n = 0;
        for (std::size_t at = text.find(part); at != std::string::npos;
             at = text.find(part, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("<g class=\"lobe\">"), 1);
    EXPECT_EQ(count("<g class=\"pickup\">"), 2);
    EXPECT_NE(text.find("TDC 32° after M1"), std::string::npos);
    EXPECT_EQ(run("wheel " + data("defaults.ign")).exitCode, 64);
    EXPECT_EQ(run("wheel " + dir.file("missing.ign") + " --out " + svg).exitCode, 2);
}

}  // namespace
}  // namespace tz
