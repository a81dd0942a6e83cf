#include "files/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "printer/TempDir.h"

namespace q5300 {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

Bytes Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Put(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

TEST(AtomicSave, WritesAndReplacesLeavingOnlyTheFile) {
  test::TempDir dir;
  const fs::path target = dir.path() / "job.qxk";
  ASSERT_TRUE(WriteFileAtomically(target.string(), Bytes{1, 2, 3}));
  EXPECT_EQ(Contents(target), (Bytes{1, 2, 3}));
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(WriteFileAtomically(target.string(), Bytes{9}));
  EXPECT_EQ(Contents(target), Bytes{9});
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Names(dir.path()), std::set<std::string>{"job.qxk"});
}

TEST(AtomicSave, WritesThroughASymbolicLink) {
  test::TempDir dir;
  Put(dir.path() / "real.qxk", "old");
  fs::create_symlink("real.qxk", dir.path() / "link.qxk");
  ASSERT_TRUE(WriteFileAtomically((dir.path() / "link.qxk").string(), Bytes{'n', 'e', 'w'}));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "link.qxk"));
  EXPECT_EQ(Contents(dir.path() / "real.qxk"), (Bytes{'n', 'e', 'w'}));
}

// Whatever stops the save, what was there stays and no stray file is left.
TEST(AtomicSave, AFailureLeavesTheEarlierFileUntouched) {
  struct Case {
    const char* what;
    void (*prepare)(const fs::path& folder);
    const char* target;
    const char* reason;
  };
  const Case cases[] = {
      {"folder missing", [](const fs::path&) {}, "missing/job.qxk", "could not be created"},
      {"a folder in place of the file",
       [](const fs::path& folder) {
         fs::create_directory(folder / "job.qxk");
         Put(folder / "job.qxk" / "inside", "keep");
       },
       "job.qxk", "folder, not a file"},
      {"a read-only file",
       [](const fs::path& folder) {
         Put(folder / "job.qxk", "keep");
         fs::permissions(folder / "job.qxk", fs::perms::owner_read);
       },
       "job.qxk", "read-only"},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    c.prepare(dir.path());
    const std::set<std::string> before = Names(dir.path());
    const Status saved = WriteFileAtomically((dir.path() / c.target).string(), Bytes{1, 2});
    ASSERT_FALSE(saved) << c.what;
    EXPECT_NE(saved.failure().text.find(c.reason), std::string::npos)
        << c.what << ": " << saved.failure().text;
    EXPECT_EQ(Names(dir.path()), before) << c.what;
    const fs::path kept = dir.path() / "job.qxk";
    if (fs::is_directory(kept)) {
      EXPECT_EQ(Contents(kept / "inside"), (Bytes{'k', 'e', 'e', 'p'})) << c.what;
    } else if (fs::exists(kept)) {
      EXPECT_EQ(Contents(kept), (Bytes{'k', 'e', 'e', 'p'})) << c.what;
    }
  }
}

TEST(BoundedRead, TakesAFileUpToTheLimitAndNothingElse) {
  test::TempDir dir;
  Put(dir.path() / "ten", "0123456789");
  const auto ten = ReadWholeFile((dir.path() / "ten").string(), 10);
  ASSERT_TRUE(ten);
  EXPECT_EQ(ten->size(), 10u);
  const auto over = ReadWholeFile((dir.path() / "ten").string(), 9);
  ASSERT_FALSE(over);
  EXPECT_NE(over.failure().text.find("larger than 9 bytes"), std::string::npos);
  const auto folder = ReadWholeFile(dir.path().string(), 100);
  ASSERT_FALSE(folder);
  EXPECT_NE(folder.failure().text.find("folder"), std::string::npos);
  EXPECT_FALSE(ReadWholeFile((dir.path() / "absent").string(), 100));
}

}  // namespace
}  // namespace q5300
