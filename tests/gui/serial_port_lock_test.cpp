// The window's port and the command line's port on one device: whichever
// comes second finds the device busy, also when both run as root.
#include <gtest/gtest.h>

#include "gui/qt_serial_port.h"
#include "link/posix_serial_port.h"
#include "quiet_device.h"

namespace tz::gui {
namespace {

using link::OpenFailure;

TEST(SerialPortLock, TheWindowAndTheCommandLineKeepOutOfEachOthersWay) {
    tz::testing::QuietDevice device;
    {
        QtSerialPort window;
        link::PosixSerialPort cli;
        ASSERT_TRUE(window.open(device.path()));
        EXPECT_FALSE(cli.open(device.path()));
        EXPECT_EQ(cli.lastOpenFailure(), OpenFailure::Busy);
        QtSerialPort secondWindow;
        EXPECT_FALSE(secondWindow.open(device.path()));
        EXPECT_EQ(secondWindow.lastOpenFailure(), OpenFailure::Busy);
        window.close();
        EXPECT_TRUE(cli.open(device.path()));
    }
    link::PosixSerialPort cli;
    QtSerialPort window;
    ASSERT_TRUE(cli.open(device.path()));
    EXPECT_FALSE(window.open(device.path()));
    EXPECT_EQ(window.lastOpenFailure(), OpenFailure::Busy);
    EXPECT_FALSE(window.isOpen());
    cli.close();
    EXPECT_TRUE(window.open(device.path()));
    EXPECT_EQ(window.lastOpenFailure(), OpenFailure::None);
}

TEST(SerialPortLock, AMissingDeviceIsReportedAsMissing) {
    QtSerialPort window;
    EXPECT_FALSE(window.open("/dev/tz_arko5_no_such_device"));
    EXPECT_EQ(window.lastOpenFailure(), OpenFailure::Missing);
}

}  // namespace
}  // namespace tz::gui
