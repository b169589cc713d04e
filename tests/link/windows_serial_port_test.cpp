// The Win32 serial port and the registry's list of COM ports, as far as a
// machine without a unit can show them.
#include "link/windows_serial_port.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/port_names.h"
#include "link/registry_ports.h"
#include "platform/atomic_file.h"
#include "temp_dir.h"

namespace tz::link {
namespace {

TEST(WindowsSerialPort, TheReasonOfAFailedOpening) {
    testing::TempDir dir;
    const std::string file = dir.file("not-a-port");
    ASSERT_TRUE(writeFileAtomically(file, "x"));
    const std::pair<std::string, OpenFailure> cases[] = {
        {"COM199", OpenFailure::Missing},
        {"\\\\.\\COM198", OpenFailure::Missing},
        {"", OpenFailure::Missing},
        {file, OpenFailure::Refused},  // it opens, but takes no line settings
    };
    for (const auto& [device, failure] : cases) {
        WindowsSerialPort port;
        EXPECT_FALSE(port.open(device)) << device;
        EXPECT_EQ(port.lastOpenFailure(), failure) << device;
        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(port.bytesWaiting(), 0u);
        EXPECT_FALSE(port.write(std::vector<std::uint8_t>{1}));
    }
}

// A key laid out as HARDWARE\DEVICEMAP\SERIALCOMM is, under the user's part
// of the registry, removed when the test ends.
class RegistryPorts : public ::testing::Test {
  protected:
    static constexpr const wchar_t* kKey = L"Software\\tz_arko5-test\\SERIALCOMM";

    void SetUp() override {
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                    &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        ::RegCloseKey(key_);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\tz_arko5-test");
    }
    void set(const wchar_t* name, const std::wstring& data, DWORD type = REG_SZ) {
        ::RegSetValueExW(key_, name, 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                         static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    }

    HKEY key_ = nullptr;
};

TEST_F(RegistryPorts, EveryStringValueIsAPortNameInMenuOrder) {
    set(L"\\Device\\Serial0", L"COM1");
    set(L"\\Device\\VCP0", L"COM12");
    set(L"\\Device\\USBSER000", L"COM3");
    set(L"\\Device\\Odd", L"COM\u00e9");
    set(L"\\Device\\Binary", L"COM4", REG_BINARY);
    EXPECT_EQ(OrderComPorts(RegistryPortNames(HKEY_CURRENT_USER, kKey)),
              (std::vector<std::string>{"COM1", "COM3", "COM12"}));
}

TEST_F(RegistryPorts, AMissingKeyListsNoPort) {
    EXPECT_TRUE(RegistryPortNames(HKEY_CURRENT_USER, L"Software\\tz_arko5-test\\none").empty());
}

TEST(SystemPorts, AreComPortNames) {
    for (const std::string& name : ListSystemPorts())
        EXPECT_EQ(OrderComPorts({name}), std::vector<std::string>{name});
}

}  // namespace
}  // namespace tz::link
