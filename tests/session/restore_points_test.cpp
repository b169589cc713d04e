// The session's restore points after reads and programs of the unit, its
// read for a comparison and the backup before programming, against the
// simulator's unit model on a scripted line.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "fake_serial_port.h"
#include "params/ign_reader.h"
#include "platform/atomic_file.h"
#include "session/session.h"
#include "sim/unit_model.h"
#include "temp_dir.h"

namespace tz::session {
namespace {

using link::testing::FakeDevice;
using link::testing::FakeLine;
using Kinds = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

const DateTime kNow{2026, 12, 10, 4, 30, 0};
const std::string kDevice = "/dev/ttyUSB0";

// Settings a unit may hold: not what the window would repair them to.
Image unitPages() {
    Image pages = firstStartState().image;
    pages[field::LIMITER_RPM] = 255;
    pages[advanceCell(2, 7)] = 31;
    return pages;
}

class SessionWithUnit : public ::testing::Test {
  protected:
    SessionWithUnit() {
        sim::UnitConfig config;
        config.stored = unitPages();
        config.savingMs = 0;
        model = std::make_unique<sim::UnitModel>(config);
        device().responder = [this](const link::Frame& request, FakeDevice& d) {
            if (request[0] == unanswered) return;
            if (auto reply = model->answer(request, line.tick * Session::kTickMs)) d.push(*reply);
        };
        session.params().outside.portIndex = 0;
        session.normalise();
        session.resetHistory();
        session.openPort();
        // The window's own settings, which differ from the unit's.
        session.image()[advanceCell(5, 5)] = 20;
        session.normalise();
    }

    FakeDevice& device() { return line.device(kDevice); }

    // Ticks until the link is idle, with every event of the run.
    Events run(const Events& started) {
        Events all = started;
        for (int i = 0; i < 200; ++i) {
            ++line.tick;
            const Events& events = session.tick();
            all.insert(all.end(), events.begin(), events.end());
            if (!session.link().busy()) break;
        }
        return all;
    }

    std::vector<std::string> files() const {
        std::vector<std::string> names;
        if (!fs::exists(points)) return names;
        for (const auto& e : fs::directory_iterator(points))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // The image a restore point holds.
    Image pointImage(const std::string& name) const {
        Image image{};
        ReadIgnFile(readWholeFile(points + "/" + name).value_or(""), image);
        return image;
    }

    testing::TempDir dir;
    std::string points = dir.file("restore-points");
    FakeLine line;
    std::unique_ptr<sim::UnitModel> model;
    std::uint8_t unanswered = 0xFF;
    Session session{{line.factory(), [] { return std::vector<std::string>{kDevice}; }, dir.path(),
                     SteadyMilliseconds, points, [] { return kNow; }}};
};

template <typename E>
int count(const Events& events) {
    return static_cast<int>(std::count_if(
        events.begin(), events.end(), [](const Event& e) { return std::holds_alternative<E>(e); }));
}

TEST_F(SessionWithUnit, ReadAndProgramEachKeepWhatTheyTransferred) {
    // A read verifies what it repaired: the unit holds repaired settings.
    sim::UnitConfig config;
    ParamState repaired = firstStartState();
    repaired.image[advanceCell(2, 7)] = 31;
    repaired.normalise();
    config.stored = repaired.image;
    model = std::make_unique<sim::UnitModel>(config);

    const Events read = run(session.read());
    ASSERT_EQ(files(), (std::vector<std::string>{"20261210-043000-read-TZA05.ign"}));
    const Image wasRead = session.image();
    EXPECT_EQ(pointImage(files()[0]), wasRead);
    ASSERT_EQ(count<RestorePointKept>(read), 1);

    session.image()[advanceCell(1, 1)] = 12;
    session.normalise();
    run(session.program());
    ASSERT_EQ(files().size(), 2u);
    EXPECT_EQ(files()[0], "20261210-043000-2-program-TZA05.ign");
    EXPECT_EQ(pointImage(files()[0]), session.image());
    EXPECT_EQ(model->stored(), session.image());
}

TEST_F(SessionWithUnit, NoRestorePointWithoutASuccessfulReadOrProgram) {
    struct Case {
        const char* name;
        const Events& (Session::*command)();
        std::uint8_t unanswered;
    };
    const Case cases[] = {
        {"failed read", &Session::read, 0x42},
        {"failed program", &Session::program, 0x03},
        {"verify", &Session::verify, 0xFF},
        {"comparison", &Session::readUnitForComparison, 0xFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        unanswered = c.unanswered;
        const Events events = run((session.*c.command)());
        EXPECT_EQ(count<RestorePointKept>(events), 0);
        EXPECT_TRUE(files().empty());
    }
}

TEST_F(SessionWithUnit, AComparisonReadLeavesTheWindowAlone) {
    session.image()[field::LIMITER_RPM] = 254;  // not repaired yet
    session.restoreFileNames("/tmp/tune.ign", "/tmp/tune.ign");
    const Image before = session.image();

    const Events events = run(session.readUnitForComparison());
    EXPECT_EQ(device().kinds(), (Kinds{0x40, 0x41, 0x42, 0x43}));
    EXPECT_EQ(count<UnitPagesRead>(events), 1);
    EXPECT_EQ(count<link::ImageRead>(events), 0);
    EXPECT_EQ(session.unitPages(), unitPages());
    EXPECT_EQ(session.image(), before);
    EXPECT_FALSE(session.canUndo());
    EXPECT_EQ(session.fileName(), "/tmp/tune.ign");

    session.takeUnitPages();
    EXPECT_EQ(session.image(), unitPages());
    EXPECT_EQ(session.fileName(), "");
}

TEST_F(SessionWithUnit, ABackupRunReadsTheUnitFirstThenPrograms) {
    session.setBackupBeforeProgram(true);
    const Image programmed = session.image();
    run(session.program());

    // The polls that follow while the unit saves aside.
    Kinds pages = device().kinds();
    std::erase(pages, link::kPollKind);
    EXPECT_EQ(pages, (Kinds{0x40, 0x41, 0x42, 0x43, 0x00, 0x01, 0x02, 0x03, 0x41, 0x42, 0x43}));
    ASSERT_EQ(files(), (std::vector<std::string>{"20261210-043000-2-program-TZA05.ign",
                                                 "20261210-043000-before-program-TZA05.ign"}));
    EXPECT_EQ(pointImage(files()[1]), unitPages()) << "the backup is what the unit held";
    EXPECT_EQ(pointImage(files()[0]), programmed);
    EXPECT_EQ(model->stored(), programmed);
}

TEST_F(SessionWithUnit, ABackupThatCannotBeMadeStopsTheRunBeforeAnythingIsStored) {
    struct Case {
        const char* name;
        std::uint8_t unanswered;
        bool pointsBlocked;  // a file where the restore points' folder would be
        Kinds frames;
    };
    const Case cases[] = {
        {"read fails", 0x42, false, {0x40, 0x41, 0x42, 0x42, 0x42, 0x42, 0x42}},
        {"cannot be written", 0xFF, true, {0x40, 0x41, 0x42, 0x43}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        unanswered = c.unanswered;
        if (c.pointsBlocked) {
            ASSERT_TRUE(writeFileAtomically(points, "not a folder"));
        }
        device().written.clear();
        session.setBackupBeforeProgram(true);
        const Events events = run(session.program());

        EXPECT_EQ(device().kinds(), c.frames);
        EXPECT_EQ(model->stored(), unitPages());
        EXPECT_EQ(count<RestorePointKept>(events), c.pointsBlocked ? 1 : 0);
        for (const Event& e : events) {
            if (const auto* kept = std::get_if<RestorePointKept>(&e)) {
                EXPECT_EQ(kept->operation, RestoreOperation::BeforeProgram);
                EXPECT_FALSE(kept->path);
            }
        }
        EXPECT_EQ(session.link().state(), link::LinkState::Idle);
        fs::remove(points);
    }
}

TEST_F(SessionWithUnit, TheImageOfAFileIsReadWithoutTakingIt) {
    const Image before = session.image();
    session.image()[field::LIMITER_RPM] = 90;
    session.normalise();
    ASSERT_TRUE(session.save(dir.file("a.ign")));
    session.image() = before;
    ASSERT_TRUE(writeFileAtomically(dir.file("no-key.ign"), "LIMITER 9000 9000 9000\n"));

    const FileImage file = session.imageOfFile(dir.file("a.ign"));
    EXPECT_EQ(file.result.status, OpenStatus::Opened);
    EXPECT_EQ(file.image[field::LIMITER_RPM], 90);
    EXPECT_EQ(session.image(), before);
    EXPECT_EQ(session.imageOfFile(dir.file("missing.ign")).result.status, OpenStatus::CannotRead);
    EXPECT_EQ(session.imageOfFile(dir.file("no-key.ign")).result.status, OpenStatus::NoVersionKey);
}

}  // namespace
}  // namespace tz::session
