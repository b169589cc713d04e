// Two programs on one serial device: the second finds it busy, also when it
// runs as root (where TIOCEXCL keeps nobody out), and gets it once the
// first has let go.
#include "link/device_lock.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "link/posix_serial_port.h"
#include "quiet_device.h"
#include "temp_dir.h"

namespace tz::link {
namespace {

TEST(DeviceLock, ASecondPortOnTheDeviceIsBusyUntilTheFirstCloses) {
    tz::testing::QuietDevice device;
    PosixSerialPort first;
    PosixSerialPort second;
    ASSERT_TRUE(first.open(device.path()));
    EXPECT_EQ(first.lastOpenFailure(), OpenFailure::None);
    EXPECT_FALSE(second.open(device.path()));
    EXPECT_EQ(second.lastOpenFailure(), OpenFailure::Busy);
    first.close();
    EXPECT_TRUE(second.open(device.path()));
    EXPECT_EQ(second.lastOpenFailure(), OpenFailure::None);
}

TEST(DeviceLock, TheLockAloneKeepsThePortOut) {
    // Another program holds only the lock: no TIOCEXCL stands in the way,
    // as for a program running as root.
    tz::testing::QuietDevice device;
    OpenFailure failure = OpenFailure::Refused;
    const int other = openLockedDevice(device.path(), failure);
    ASSERT_GE(other, 0);
    EXPECT_EQ(failure, OpenFailure::None);
    PosixSerialPort port;
    EXPECT_FALSE(port.open(device.path()));
    EXPECT_EQ(port.lastOpenFailure(), OpenFailure::Busy);
    ::close(other);
    EXPECT_TRUE(port.open(device.path()));
}

TEST(DeviceLock, TheReasonOfAFailedOpening) {
    tz::testing::TempDir dir;
    const int file = ::open(dir.file("plain").c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_GE(file, 0);
    ::close(file);
    struct Case {
        std::string device;
        OpenFailure failure;
    };
    const Case cases[] = {
        {"", OpenFailure::Missing},
        {dir.file("none"), OpenFailure::Missing},
        {dir.file("plain/tty"), OpenFailure::Missing},
        {dir.file("plain"), OpenFailure::Refused},  // no terminal
        {dir.path(), OpenFailure::Refused},
    };
    for (const Case& c : cases) {
        PosixSerialPort port;
        EXPECT_FALSE(port.open(c.device)) << c.device;
        EXPECT_EQ(port.lastOpenFailure(), c.failure) << c.device;
    }
}

TEST(DeviceLock, TheGroupOfADeviceByName) {
    tz::testing::QuietDevice device;
    struct stat st {};
    ASSERT_EQ(::stat(device.path().c_str(), &st), 0);
    const group* owner = ::getgrgid(st.st_gid);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(deviceGroup(device.path()), owner->gr_name);
    EXPECT_EQ(deviceGroup("/nonexistent/tty"), "");
}

}  // namespace
}  // namespace tz::link
