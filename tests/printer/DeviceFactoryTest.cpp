#include "printer/DeviceFactory.h"

#include <gtest/gtest.h>

#include <fstream>

#include "printer/TempDir.h"
#include "printer/UsbDevice.h"
#include "printer/VirtualPrinter.h"

namespace q5300 {
namespace {

TEST(DeviceFactoryTest, PicksTheDeviceNamed) {
  const ManualClock clock;
  for (const char* choice : {"", "usb"}) {
    auto device = MakeDevice(choice, clock);
    ASSERT_TRUE(device.ok()) << choice;
    EXPECT_NE(dynamic_cast<UsbDevice*>(device->get()), nullptr) << choice;
  }
  auto plain = MakeDevice("virtual", clock);
  ASSERT_TRUE(plain.ok());
  const auto* virtualPrinter = dynamic_cast<VirtualPrinter*>(plain->get());
  ASSERT_NE(virtualPrinter, nullptr);
  EXPECT_FALSE(virtualPrinter->outputDir().has_value());
}

TEST(DeviceFactoryTest, VirtualWithADirectoryCreatesItAndWritesThere) {
  const test::TempDir temp;
  const ManualClock clock;
  const auto dir = temp.path() / "new" / "out";
  auto device = MakeDevice("virtual:" + dir.string(), clock);
  ASSERT_TRUE(device.ok()) << device.failure().text;
  ASSERT_TRUE((*device)->Open().ok());
  const uint8_t end[] = {0x02, 'H'};
  EXPECT_TRUE((*device)->Write(end));
  EXPECT_TRUE(std::filesystem::exists(dir / "write-0001.bin"));
}

TEST(DeviceFactoryTest, RefusesWhatItCannotUse) {
  const test::TempDir temp;
  const ManualClock clock;
  const auto file = temp.path() / "a-file";
  std::ofstream(file) << "x";
  struct Case {
    std::string choice;
    std::string mentioned;
  } const cases[] = {
      {"serial", "\"serial\""},
      {"USB", "\"USB\""},
      {"virtual:", "\"virtual:\""},
      {"virtual:" + file.string(), file.string()},
      {"virtual:" + (file / "below").string(), (file / "below").string()},
  };
  for (const Case& c : cases) {
    const auto device = MakeDevice(c.choice, clock);
    ASSERT_FALSE(device.ok()) << c.choice;
    EXPECT_NE(device.failure().text.find(c.mentioned), std::string::npos) << device.failure().text;
  }
}

}  // namespace
}  // namespace q5300
