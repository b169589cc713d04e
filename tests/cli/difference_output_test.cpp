#include "cli/difference_output.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>

#include "params/param_state.h"

namespace tz::cli {
namespace {

TEST(DifferenceOutput, JsonStringsEscapeWhatJsonRequires) {
    const std::pair<std::string, std::string> cases[] = {
        {"Limiter", "\"Limiter\""},
        {"Grundvorzündung", "\"Grundvorzündung\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"a\\b", "\"a\\\\b\""},
        {"line\nnext\ttab\rret", "\"line\\nnext\\ttab\\rret\""},
        {std::string("\x01\x1f\0", 3), "\"\\u0001\\u001f\\u0000\""},
        {"", "\"\""},
    };
    for (const auto& [text, json] : cases) EXPECT_EQ(jsonString(text), json);
}

TEST(DifferenceOutput, BytesNoKeyHoldsAreListedByNumber) {
    const Image image = firstStartState().image;
    const ImageDifference differences[] = {
        {"LIMITER", 1, 100, 90, WindowPage::Inputs, {}},
        {kByteKey, 250, 0, 17, WindowPage::None, {}},
    };
    std::ostringstream lines, json;
    writeDifferences(lines, differences, texts::Language::French, image, DifferenceFormat::Lines);
    writeDifferences(json, differences, texts::Language::Czech, image, DifferenceFormat::Json);
    EXPECT_EQ(lines.str(),
              "LIMITER\t1\tStart limitateur\t100\t90\n"
              "BYTE\t250\tOctet d'image 250\t0\t17\n");
    EXPECT_EQ(json.str(),
              "{\"key\":\"LIMITER\",\"index\":1,\"name\":\"Startovací omezovač\",\"a\":100,"
              "\"b\":90}\n"
              "{\"key\":\"BYTE\",\"index\":250,\"name\":\"Bajt obrazu 250\",\"a\":0,\"b\":17}\n");
}

}  // namespace
}  // namespace tz::cli
