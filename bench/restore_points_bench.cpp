// Restore points at their limit of 1000: listing them with the check the
// window makes of each (does it hold the window's settings?), and writing one
// more, which removes the oldest.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "params/ign_writer.h"
#include "params/image_diff.h"
#include "platform/restore_points.h"
#include "session/session.h"

namespace {

using namespace tz;

// A directory of 1000 restore points of settings that differ in one map
// cell each; removed at the end of the program.
class Points {
  public:
    Points() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tz_bench.XXXXXX").string();
        directory_ = ::mkdtemp(pattern.data());
        session_.normalise();
        const RestorePoints points(directory_);
        for (int i = 0; i < static_cast<int>(kRestorePointsKept); ++i) {
            Image image = session_.image();
            image[advanceCell(i % kMapRows, (i / kMapRows) % kMapColumns)] =
                static_cast<std::uint8_t>(10 + i % 30);
            points.add({2026, 1, 1 + i / 100, 10, (i / 10) % 60, i % 10}, RestoreOperation::Program,
                       "TZA05", WriteIgnFile(image, {}));
        }
    }
    ~Points() {
        std::error_code ec;
        std::filesystem::remove_all(directory_, ec);
    }

    const std::string& directory() const { return directory_; }
    const session::Session& session() const { return session_; }

  private:
    std::string directory_;
    session::Session session_{{}};
};

Points& points() {
    static Points p;
    return p;
}

void BM_ListAndCompare1000(benchmark::State& state) {
    const RestorePoints list(points().directory());
    const session::Session& s = points().session();
    for (auto _ : state) {
        int same = 0;
        for (const RestorePoint& p : list.list()) {
            const session::FileImage file = s.imageOfFile(p.path);
            same += file.result.status == session::OpenStatus::Opened &&
                    DiffImages(s.image(), file.image).empty();
        }
        benchmark::DoNotOptimize(same);
    }
}
BENCHMARK(BM_ListAndCompare1000)->Unit(benchmark::kMillisecond);

void BM_AddWith1000Kept(benchmark::State& state) {
    const RestorePoints list(points().directory());
    const std::string text = WriteIgnFile(points().session().image(), {});
    int second = 0;
    for (auto _ : state) {
        // Later than every point so far: the oldest one goes.
        const DateTime time{
            2027, 1, 1 + second / 86400 % 28, second / 3600 % 24, second / 60 % 60, second % 60};
        ++second;
        benchmark::DoNotOptimize(list.add(time, RestoreOperation::Read, "TZA05", text));
    }
}
BENCHMARK(BM_AddWith1000Kept)->Unit(benchmark::kMillisecond);

}  // namespace
