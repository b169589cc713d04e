// The session's restore points after reads and programs of the unit, its
// read for a comparison and the backup before programming, against the
// simulator's unit model on a scripted line.
#include <gtest/gtest.h>

#include "session_with_unit.h"

namespace tz::session {
namespace {

using testing::count;
using testing::kDevice;
using testing::Kinds;
using testing::SessionWithUnit;
using testing::unitPages;
namespace fs = std::filesystem;

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

    tz::testing::changeImage(session, [](Image& im) { im[advanceCell(1, 1)] = 12; });
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
    tz::testing::changeImage(session,
                             [](Image& im) { im[field::LIMITER_RPM] = 254; });  // not repaired yet
    session.restoreFileNames("/tmp/tune.ign", "/tmp/tune.ign");
    const Image before = session.image();

    const Events events = run(session.readUnitForComparison());
    EXPECT_EQ(device().kinds(), (Kinds{0x40, 0x41, 0x42, 0x43}));
    EXPECT_EQ(count<UnitPagesRead>(events), 1);
    EXPECT_EQ(count<session::ImageRead>(events), 0);
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
    // Programming sends the image as the one repair step leaves it.
    session.repair();
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
    // A pilot-light output whose file holds no zones: the window shows (and
    // programs) its fixed pattern, so the comparison sees that pattern too.
    tz::testing::changeImage(session, [](Image& im) {
        im[field::LIMITER_RPM] = 90;
        im[powerOutMode(0)] = 2;
        for (int row = 0; row < 3; ++row) im[powerOutMap(0, row)] = 0;
    });
    session.normalise();
    ASSERT_TRUE(session.save(dir.file("a.ign")));
    tz::testing::putImage(session, before);
    ASSERT_TRUE(writeFileAtomically(dir.file("no-key.ign"), "LIMITER 9000 9000 9000\n"));

    const FileImage file = session.imageOfFile(dir.file("a.ign"));
    EXPECT_EQ(file.result.status, OpenStatus::Opened);
    EXPECT_EQ(file.image[field::LIMITER_RPM], 90);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(file.image[powerOutMap(0, row)], 14);
    EXPECT_EQ(session.image(), before);
    EXPECT_EQ(session.imageOfFile(dir.file("missing.ign")).result.status, OpenStatus::CannotRead);
    EXPECT_EQ(session.imageOfFile(dir.file("no-key.ign")).result.status, OpenStatus::NoVersionKey);
}

}  // namespace
}  // namespace tz::session
