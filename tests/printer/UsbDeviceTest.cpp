#include "printer/UsbDevice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace q5300 {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(value);
  }
  ~ScopedEnv() { Set(old_ ? old_->c_str() : nullptr); }

 private:
  void Set(const char* value) {
#if defined(_WIN32)
    _putenv_s(name_, value != nullptr ? value : "");
#else
    if (value != nullptr) {
      setenv(name_, value, 1);
    } else {
      unsetenv(name_);
    }
#endif
  }
  const char* name_;
  std::optional<std::string> old_;
};

// No device has these ids.
const char* const AbsentIds = "ffff:fffe";

TEST(UsbIdsTest, ParsesTheIdListAndNamesWhatItIgnores) {
  struct Case {
    const char* text;
    std::vector<UsbDeviceId> ids;
    size_t problems;
  } const cases[] = {
      {"4348:5537,1a86:5576", {{0x4348, 0x5537}, {0x1a86, 0x5576}}, 0},
      {" 4348:5537 , ,1A86:5576,", {{0x4348, 0x5537}, {0x1a86, 0x5576}}, 0},
      {"1:2,0001:0002", {{0x0001, 0x0002}}, 0},
      {"", {}, 0},
      {"4348:5537,zz:1,12345:1,4348,:1,1:,4348:5537:1,0x43:1", {{0x4348, 0x5537}}, 7},
  };
  for (const Case& c : cases) {
    const UsbIdList list = ParseUsbIds(c.text);
    EXPECT_EQ(list.ids, c.ids) << c.text;
    EXPECT_EQ(list.problems.size(), c.problems) << c.text;
  }
  EXPECT_NE(ParseUsbIds("4348:zz").problems.at(0).Text().find("\"4348:zz\""), std::string::npos);
}

TEST(UsbIdsTest, TheEnvironmentReplacesTheDefaults) {
  const std::vector<UsbDeviceId> defaults(DefaultUsbIds().begin(), DefaultUsbIds().end());
  EXPECT_EQ(defaults.front(), (UsbDeviceId{0x4348, 0x5537}));
  {
    const ScopedEnv env("Q5300_USB_IDS", nullptr);
    const UsbIdList list = UsbIdsFromEnvironment();
    EXPECT_EQ(list.ids, defaults);
    EXPECT_TRUE(list.problems.empty());
  }
  {
    const ScopedEnv env("Q5300_USB_IDS", "1a86:5576, nonsense");
    const UsbIdList list = UsbIdsFromEnvironment();
    EXPECT_EQ(list.ids, (std::vector<UsbDeviceId>{{0x1a86, 0x5576}}));
    ASSERT_EQ(list.problems.size(), 1u);
    EXPECT_EQ(list.problems[0].Text().rfind("Q5300_USB_IDS: \"nonsense\"", 0), 0u)
        << list.problems[0].Text();
  }
  {
    // Nothing usable: the defaults, and a word about it.
    const ScopedEnv env("Q5300_USB_IDS", "nonsense");
    const UsbIdList list = UsbIdsFromEnvironment();
    EXPECT_EQ(list.ids, defaults);
    EXPECT_EQ(list.problems.size(), 2u);
  }
}

TEST(UsbDeviceTest, WithoutAPrinterOpenSaysNoDeviceAndEveryOperationFails) {
  const ScopedEnv env("Q5300_USB_IDS", "ffff:fffe,bad");
  UsbDevice device;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const OpenResult result = device.Open();
    EXPECT_EQ(result.status, OpenStatus::NoDevice);
    EXPECT_NE(result.detail.Text().find("ffff:fffe"), std::string::npos) << result.detail.Text();
    EXPECT_NE(result.detail.Text().find("\"bad\""), std::string::npos) << result.detail.Text();
  }
  uint8_t buffer[9] = {};
  const uint8_t bytes[] = {0x01, 'A'};
  EXPECT_FALSE(device.Write(bytes));
  EXPECT_FALSE(device.Write({}));
  EXPECT_EQ(device.Read(buffer), -1);
  EXPECT_EQ(device.PendingUploads(), 0);
  EXPECT_EQ(device.UsbId(), 0u);
  device.Reset();
  device.Close();
  device.Close();
  EXPECT_EQ(device.Open().status, OpenStatus::NoDevice);
}

TEST(UsbDeviceTest, ListingFindsNoPrinterAndPassesOnTheIdProblems) {
  const UsbPrinterListing listing = ListUsbPrinters(ParseUsbIds(std::string(AbsentIds) + ",x"));
  EXPECT_TRUE(listing.printers.empty());
  ASSERT_FALSE(listing.problems.empty());
  EXPECT_NE(listing.problems[0].Text().find("\"x\""), std::string::npos);
}

}  // namespace
}  // namespace q5300
