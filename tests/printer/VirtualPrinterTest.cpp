#include "printer/VirtualPrinter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/stat.h>

#include "printer/HandPacket.h"
#include "printer/TempDir.h"
#include "support/FullDisk.h"

namespace q5300 {
namespace {

using std::chrono::milliseconds;
using Bytes = std::vector<uint8_t>;

const Bytes Query = {0x01, 'A'};
const Bytes End = {0x02, 'H'};

Bytes OnePagePacket() {
  const test::HandRecord records[] = {test::HandRecord::WithText("AB")};
  return test::HandPacket(records);
}

class VirtualPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(printer.Open().ok()); }
  int ReadInto(size_t size) {
    Bytes buffer(size);
    return printer.Read(buffer);
  }

  ManualClock clock;
  VirtualPrinter printer{clock};
};

TEST_F(VirtualPrinterTest, DecodesAndTimesEveryWriteItTakes) {
  const Bytes packet = OnePagePacket();
  const Bytes writes[] = {Query, {}, packet, {}, {0x07}, End};
  for (const Bytes& w : writes) {
    clock.Advance(milliseconds(100));
    ASSERT_TRUE(printer.Write(w));
  }
  const auto& received = printer.received();
  ASSERT_EQ(received.size(), std::size(writes));
  const MessageKind kinds[] = {MessageKind::StatusQuery, MessageKind::ZeroLength,
                               MessageKind::PrintPacket, MessageKind::ZeroLength,
                               MessageKind::Malformed,   MessageKind::EndCommand};
  for (size_t i = 0; i < received.size(); ++i) {
    EXPECT_EQ(received[i].bytes, writes[i]) << i;
    EXPECT_EQ(received[i].message.kind, kinds[i]) << i;
    EXPECT_EQ(received[i].time, milliseconds(100 * (i + 1))) << i;
  }
  EXPECT_EQ(received[4].message.fault, PacketFault::UnknownCommand);
  ASSERT_EQ(printer.packets().size(), 1u);
  EXPECT_EQ(printer.packets()[0].records.at(0).text, (Bytes{'A', 'B'}));
}

TEST_F(VirtualPrinterTest, AnswersEachQueryOnceAndAReadTakesOneUpload) {
  EXPECT_EQ(ReadInto(9), 0);  // nothing asked, nothing to read
  ASSERT_TRUE(printer.Write(Query));
  ASSERT_TRUE(printer.Write(Query));
  EXPECT_EQ(printer.PendingUploads(), 2);
  EXPECT_EQ(ReadInto(64), 9);
  EXPECT_EQ(ReadInto(1), 1);  // the rest of this reply is dropped
  EXPECT_EQ(printer.PendingUploads(), 0);
  EXPECT_EQ(ReadInto(9), 0);
  EXPECT_EQ(printer.UsbId(), 0x5537'4348u);
}

TEST_F(VirtualPrinterTest, AFailedWriteIsNotTakenAndLaterWritesAre) {
  printer.FailWrite(2);
  EXPECT_TRUE(printer.Write(Query));
  EXPECT_FALSE(printer.Write(End));
  EXPECT_TRUE(printer.Write(End));
  ASSERT_EQ(printer.received().size(), 2u);
  EXPECT_EQ(printer.received()[1].bytes, End);
  EXPECT_EQ(printer.CountCalls(DeviceCall::Write), 3);
}

TEST_F(VirtualPrinterTest, UnpluggedAfterNWritesEveryLaterCallFails) {
  printer.UnplugAfterWrites(2);
  EXPECT_TRUE(printer.Write(Query));
  EXPECT_FALSE(printer.isUnplugged());
  EXPECT_TRUE(printer.Write({}));
  EXPECT_TRUE(printer.isUnplugged());

  EXPECT_EQ(ReadInto(9), -1);  // the reply to the query never comes
  EXPECT_FALSE(printer.Write(End));
  EXPECT_EQ(printer.PendingUploads(), 0);
  EXPECT_EQ(printer.UsbId(), 0u);
  printer.Close();
  EXPECT_EQ(printer.Open().status, OpenStatus::NoDevice);
  EXPECT_EQ(printer.received().size(), 2u);
}

TEST_F(VirtualPrinterTest, AClosedPrinterTakesAndGivesNothing) {
  ASSERT_TRUE(printer.Write(Query));
  printer.Close();
  EXPECT_FALSE(printer.isOpen());
  EXPECT_FALSE(printer.Write(End));
  EXPECT_EQ(ReadInto(9), -1);
  EXPECT_EQ(printer.PendingUploads(), 0);
  // The reply waits on the printer's side until it is opened again.
  ASSERT_TRUE(printer.Open().ok());
  EXPECT_EQ(printer.PendingUploads(), 1);
}

class VirtualPrinterDirectoryTest : public ::testing::Test {
 protected:
  static Bytes FileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> FileNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  test::TempDir dir;
  ManualClock clock;
};

TEST_F(VirtualPrinterDirectoryTest, StoresEveryWriteItTakesInOrder) {
  const Bytes packet = OnePagePacket();
  {
    VirtualPrinter printer(clock, dir.path());
    ASSERT_TRUE(printer.Open().ok());
    printer.FailWrite(2);
    EXPECT_TRUE(printer.Write(Query));
    EXPECT_FALSE(printer.Write(packet));  // not taken, not stored
    EXPECT_TRUE(printer.Write(packet));
    EXPECT_TRUE(printer.Write({}));
  }
  // The one packet taken also lists its labels.
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"labels.txt", "write-0001.bin", "write-0002.bin",
                                                   "write-0003.bin"}));
  EXPECT_EQ(FileBytes(dir.path() / "write-0001.bin"), Query);
  EXPECT_EQ(FileBytes(dir.path() / "write-0002.bin"), packet);
  EXPECT_EQ(FileBytes(dir.path() / "write-0003.bin"), Bytes{});

  // A second run numbers on and overwrites nothing.
  VirtualPrinter again(clock, dir.path());
  ASSERT_TRUE(again.Open().ok());
  EXPECT_TRUE(again.Write(End));
  EXPECT_EQ(FileNames().back(), "write-0004.bin");
  EXPECT_EQ(FileBytes(dir.path() / "write-0004.bin"), End);
  EXPECT_EQ(FileBytes(dir.path() / "write-0001.bin"), Query);
}

TEST_F(VirtualPrinterDirectoryTest, AWriteThatCannotBeStoredFails) {
  const std::filesystem::path gone = dir.path() / "gone";
  std::filesystem::create_directory(gone);
  VirtualPrinter printer(clock, gone);
  ASSERT_TRUE(printer.Open().ok());
  std::filesystem::remove(gone);
  EXPECT_FALSE(printer.Write(Query));
  EXPECT_NE(printer.outputError().find("write-0001.bin"), std::string::npos);
  EXPECT_TRUE(printer.received().empty());
  EXPECT_EQ(printer.PendingUploads(), 0);
}

// A write the printer cannot keep is a failure that stands: the writes after it
// (the zero-length packet that completes a query, say) fail too, so nothing
// hides the loss, and no file of it is left, until the printer is opened again.
TEST_F(VirtualPrinterDirectoryTest, AFullDiskFailsEveryWriteUntilOpenedAgain) {
  VirtualPrinter printer(clock, dir.path());
  ASSERT_TRUE(printer.Open().ok());
  {
    const testing::FullDisk full;
    EXPECT_FALSE(printer.Write(Query));
    EXPECT_FALSE(printer.Write({}));
    EXPECT_FALSE(printer.Write(End));
  }
  EXPECT_NE(printer.outputError().find((dir.path() / "write-0001.bin").string()), std::string::npos)
      << printer.outputError();
  EXPECT_TRUE(printer.received().empty());
  EXPECT_EQ(printer.PendingUploads(), 0);
  EXPECT_TRUE(FileNames().empty());
  // Still failing once there is room again: the job that lost a write goes on failing.
  EXPECT_FALSE(printer.Write({}));

  printer.Close();
  ASSERT_TRUE(printer.Open().ok());
  EXPECT_EQ(printer.outputError(), "");
  EXPECT_TRUE(printer.Write(Query));
  EXPECT_EQ(FileBytes(dir.path() / "write-0001.bin"), Query);
}

// Only files of its own: a name taken meanwhile is passed by, and the label
// list is written only when it is a regular file.
TEST_F(VirtualPrinterDirectoryTest, WritesNoFileItDidNotMake) {
  const Bytes packet = OnePagePacket();
  VirtualPrinter printer(clock, dir.path());
  ASSERT_TRUE(printer.Open().ok());
  mkfifo((dir.path() / "write-0001.bin").c_str(), 0644);
  EXPECT_TRUE(printer.Write(Query));
  EXPECT_EQ(FileBytes(dir.path() / "write-0002.bin"), Query);

  mkfifo((dir.path() / "labels.txt").c_str(), 0644);
  EXPECT_FALSE(printer.Write(packet));
  EXPECT_NE(printer.outputError().find("labels.txt: it is not a regular file"), std::string::npos)
      << printer.outputError();
  EXPECT_EQ(FileNames(),
            (std::vector<std::string>{"labels.txt", "write-0001.bin", "write-0002.bin"}));
  struct stat st {};
  ASSERT_EQ(lstat((dir.path() / "write-0001.bin").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

}  // namespace
}  // namespace q5300
