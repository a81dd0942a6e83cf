// What a save and a read do with whatever the file system holds under a name:
// special files, links, other users' files, long names, names swapped while
// they are used, and what killed saves left behind.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "files/FileIo.h"
#include "printer/TempDir.h"

namespace q5300 {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

constexpr uid_t kOtherUser = 65534;  // "nobody" on most systems
// Reads of a name swapped with a pipe go on until each outcome came this often,
// however the threads are scheduled; the bound ends a case in which one never
// comes (a machine at load 10 needed up to 200,000 reads for 20 of the rarer).
constexpr int kRacesEach = 20;
constexpr long kMaxReads = 5'000'000;
const Bytes kEarlier = {'k', 'e', 'e', 'p'};
const Bytes kNew = {'n', 'e', 'w'};

bool IsRoot() {
  return geteuid() == 0;
}

Bytes Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Put(const fs::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

struct stat Lstat(const fs::path& path) {
  struct stat st {};
  lstat(path.c_str(), &st);
  return st;
}

// The folder of one case, and whatever runs beside the operation in it.
struct Scene {
  test::TempDir dir;
  fs::path Path(const std::string& name) const { return dir.path() / name; }
  std::vector<int> heldLocks;  // temporary files a save still running holds
  std::jthread swapper;        // swaps the target's name with another's
  std::atomic<long> swaps{0};
  ~Scene() {
    swapper = {};
    for (const int fd : heldLocks) close(fd);
  }
};

// Gives `name` and `other` each other's file, over and over, until stopped.
void StartSwapping(Scene& scene, const std::string& name, const std::string& other) {
  scene.swapper =
      std::jthread([&scene, a = scene.Path(name), b = scene.Path(other)](std::stop_token stop) {
        while (!stop.stop_requested()) {
          if (renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0)
            ++scene.swaps;
        }
      });
}

// Runs `save` in a child process with the identity of another user; its
// failure text comes back through a pipe.
Status AsOtherUser(const std::function<Status()>& save) {
  int fds[2];
  if (pipe(fds) != 0) return Message{"no pipe"};
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    std::string answer = "!setuid";
    if (setgroups(0, nullptr) == 0 && setgid(kOtherUser) == 0 && setuid(kOtherUser) == 0) {
      const Status saved = save();
      answer = saved ? "" : saved.failure().text;
    }
    [[maybe_unused]] const auto n = write(fds[1], answer.data(), answer.size());
    _exit(0);
  }
  close(fds[1]);
  std::string answer;
  char buffer[256];
  ssize_t n = 0;
  while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
    answer.append(buffer, static_cast<std::size_t>(n));
  close(fds[0]);
  waitpid(child, nullptr, 0);
  if (answer.empty()) return Status::Ok();
  return Message{answer};
}

enum class Act {
  Save,             // saves kNew over the path
  SaveAsOtherUser,  // the same, as another user (root only)
  Read,             // reads the path once
  ReadWhileSwapped  // reads it again and again while it is swapped with a pipe
};

struct Case {
  const char* what;
  bool needsRoot;
  // Makes the folder's files; the path the case acts on.
  std::function<std::string(Scene&)> prepare;
  Act act;
  bool succeeds;
  const char* reason;  // in the refusal
  std::function<void(const Scene&)> check;
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.what;
}

std::string TwoHundredFiftyFiveBytes() {
  std::string name;
  for (int i = 0; i < 83; ++i) name += "\xED\x95\x9C";  // 한, three bytes each
  name += "ab.qxk";
  return name;
}

const Case kCases[] = {
    {"a pipe in place of the file", false,
     [](Scene& s) {
       mkfifo(s.Path("job.qxk").c_str(), 0644);
       return s.Path("job.qxk").string();
     },
     Act::Save, false, "It is a pipe, not a file",
     [](const Scene& s) { EXPECT_TRUE(S_ISFIFO(Lstat(s.Path("job.qxk")).st_mode)); }},
    {"a link to a device", false,
     [](Scene& s) {
       // As root the device is one of the folder's own: nothing of the system's
       // is ever at stake.
       if (IsRoot()) {
         mknod(s.Path("null").c_str(), S_IFCHR | 0666, makedev(1, 3));
         fs::create_symlink("null", s.Path("job.qxk"));
       } else {
         fs::create_symlink("/dev/null", s.Path("job.qxk"));
       }
       return s.Path("job.qxk").string();
     },
     Act::Save, false, "It is a link to a device, not to a file",
     [](const Scene& s) {
       EXPECT_TRUE(fs::is_symlink(s.Path("job.qxk")));
       EXPECT_TRUE(S_ISCHR(Lstat(fs::canonical(s.Path("job.qxk"))).st_mode));
     }},
    {"a link to nothing", false,
     [](Scene& s) {
       fs::create_symlink("elsewhere.qxk", s.Path("job.qxk"));
       return s.Path("job.qxk").string();
     },
     Act::Save, false, "link to a file that does not exist",
     [](const Scene& s) {
       EXPECT_TRUE(fs::is_symlink(s.Path("job.qxk")));
       EXPECT_FALSE(fs::exists(s.Path("elsewhere.qxk")));
     }},
    {"a link to a file is written through", false,
     [](Scene& s) {
       Put(s.Path("real.qxk"), kEarlier);
       fs::create_symlink("real.qxk", s.Path("job.qxk"));
       return s.Path("job.qxk").string();
     },
     Act::Save, true, "",
     [](const Scene& s) {
       EXPECT_TRUE(fs::is_symlink(s.Path("job.qxk")));
       EXPECT_EQ(Contents(s.Path("real.qxk")), kNew);
     }},
    {"root's file in another user's folder", true,
     [](Scene& s) {
       chown(s.dir.path().c_str(), kOtherUser, kOtherUser);
       Put(s.Path("job.qxk"), kEarlier);
       chmod(s.Path("job.qxk").c_str(), 0644);
       return s.Path("job.qxk").string();
     },
     Act::SaveAsOtherUser, false, "may not change the file",
     [](const Scene& s) {
       EXPECT_EQ(Lstat(s.Path("job.qxk")).st_uid, 0u);
       EXPECT_EQ(Contents(s.Path("job.qxk")), kEarlier);
       EXPECT_EQ(Names(s.dir.path()), std::set<std::string>{"job.qxk"});
     }},
    {"root replacing another user's file keeps owner, group and mode", true,
     [](Scene& s) {
       Put(s.Path("job.qxk"), kEarlier);
       chown(s.Path("job.qxk").c_str(), kOtherUser, kOtherUser);
       chmod(s.Path("job.qxk").c_str(), 0640);
       return s.Path("job.qxk").string();
     },
     Act::Save, true, "",
     [](const Scene& s) {
       const struct stat st = Lstat(s.Path("job.qxk"));
       EXPECT_EQ(st.st_uid, kOtherUser);
       EXPECT_EQ(st.st_gid, kOtherUser);
       EXPECT_EQ(st.st_mode & 07777, 0640u);
     }},
    {"a file without write permission, even for root", false,
     [](Scene& s) {
       Put(s.Path("job.qxk"), kEarlier);
       chmod(s.Path("job.qxk").c_str(), 0444);
       return s.Path("job.qxk").string();
     },
     Act::Save, false, "read-only",
     [](const Scene& s) { EXPECT_EQ(Contents(s.Path("job.qxk")), kEarlier); }},
    {"a name of 255 bytes", false,
     [](Scene& s) { return s.Path(TwoHundredFiftyFiveBytes()).string(); }, Act::Save, true, "",
     [](const Scene& s) {
       EXPECT_EQ(Contents(s.Path(TwoHundredFiftyFiveBytes())), kNew);
       EXPECT_EQ(TwoHundredFiftyFiveBytes().size(), 255u);
     }},
    {"what killed saves left is removed; a save still running keeps its file", false,
     [](Scene& s) {
       for (const char* name :
            {".q5300-k1lled0save1.tmp", ".job.qxk.59113.0.0.tmp", ".JOB.QXU.1.22.333.tmp",
             ".strip.png.7.7.7.tmp", ".q5300-st1llsav1ng0.tmp", "notes.tmp", ".job.qxk.tmp",
             ".q5300-too-short.tmp", ".notes.txt.1.2.3.tmp"}) {
         Put(s.Path(name), kEarlier);
       }
       const int held = open(s.Path(".q5300-st1llsav1ng0.tmp").c_str(), O_RDONLY | O_CLOEXEC);
       flock(held, LOCK_EX);
       s.heldLocks.push_back(held);
       return s.Path("job.qxk").string();
     },
     Act::Save, true, "",
     [](const Scene& s) {
       EXPECT_EQ(
           Names(s.dir.path()),
           (std::set<std::string>{"job.qxk", ".q5300-st1llsav1ng0.tmp", "notes.tmp", ".job.qxk.tmp",
                                  ".q5300-too-short.tmp", ".notes.txt.1.2.3.tmp"}));
     }},
    {"a pipe is refused for reading without waiting", false,
     [](Scene& s) {
       mkfifo(s.Path("job.qxk").c_str(), 0644);
       return s.Path("job.qxk").string();
     },
     Act::Read, false, "It is a pipe, not a file", [](const Scene&) {}},
    {"a link to a device is refused for reading", false,
     [](Scene& s) {
       fs::create_symlink("/dev/zero", s.Path("job.qxk"));
       return s.Path("job.qxk").string();
     },
     Act::Read, false, "It is a device, not a file", [](const Scene&) {}},
    {"a file swapped for a pipe while it is read", false,
     [](Scene& s) {
       Put(s.Path("job.qxk"), kEarlier);
       mkfifo(s.Path("pipe").c_str(), 0644);
       // A second name of the pipe, to free a read that waits on it.
       fs::create_hard_link(s.Path("pipe"), s.Path("pipe-again"));
       StartSwapping(s, "job.qxk", "pipe");
       return s.Path("job.qxk").string();
     },
     Act::ReadWhileSwapped, true, "", [](const Scene& s) { EXPECT_GT(s.swaps.load(), 0); }},
};

class FileSafety : public ::testing::TestWithParam<std::tuple<Case, TemporaryFile>> {};

TEST_P(FileSafety, NeitherASaveNorAReadTrustsTheNameBlindly) {
  const auto& [c, temporary] = GetParam();
  if (c.needsRoot && !IsRoot()) GTEST_SKIP() << "only root can make another user's files";
  Scene scene;
  const std::string path = c.prepare(scene);
  const auto save = [&, kind = temporary] { return WriteFileAtomically(path, kNew, kind); };

  switch (c.act) {
    case Act::Save:
    case Act::SaveAsOtherUser: {
      const Status saved = c.act == Act::Save ? save() : AsOtherUser(save);
      EXPECT_EQ(saved.ok(), c.succeeds) << (saved ? "" : saved.failure().text);
      if (!saved) {
        EXPECT_NE(saved.failure().text.find(c.reason), std::string::npos) << saved.failure().text;
      } else if (fs::is_regular_file(path)) {
        EXPECT_EQ(Contents(path), kNew);
      }
      // No save leaves a file of its own, whether it succeeds or not.
      for (const std::string& name : Names(scene.dir.path())) {
        if (name.starts_with(".q5300-")) {
          EXPECT_TRUE(name == ".q5300-st1llsav1ng0.tmp" || name == ".q5300-too-short.tmp") << name;
        }
      }
      break;
    }
    case Act::Read: {
      const auto read = ReadWholeFile(path, 100);
      EXPECT_EQ(read.ok(), c.succeeds);
      if (!read) {
        EXPECT_NE(read.failure().text.find(c.reason), std::string::npos) << read.failure().text;
      }
      break;
    }
    case Act::ReadWhileSwapped: {
      // Every read ends: with the file's bytes, or refused because a pipe had
      // the name. The reads that matter are those whose look at the name found
      // the file and whose open found the pipe. The kernel reports each open of
      // the pipe on a watch of it (its second name is never swapped, so the
      // watch is on the pipe itself), so those reads are counted, and reading
      // goes on until enough of both kinds were seen, for at most a number of
      // tries. A read that waits on the pipe makes no progress; it is freed by
      // opening the pipe's other name for writing, and counted. (An open for
      // writing also succeeds while a read has the pipe open only to refuse it,
      // so it is tried only when the reads have stood still for a while.)
      const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
      ASSERT_GE(watch, 0);
      ASSERT_GE(inotify_add_watch(watch, scene.Path("pipe-again").c_str(), IN_OPEN), 0);
      while (scene.swaps.load() < 100) std::this_thread::yield();
      std::atomic<int> progress{0};
      std::atomic<int> freed{0};
      struct Counts {
        long tries = 0;
        int read = 0;
        int pipeOpened = 0;  // refused after the open found the pipe
      };
      auto reads = std::async(std::launch::async, [&] {
        Counts n;
        // A read that went wrong once says enough.
        for (; (n.read < kRacesEach || n.pipeOpened < kRacesEach) && n.tries < kMaxReads &&
               freed.load() == 0 && !::testing::Test::HasFailure();
             ++n.tries) {
          const auto file = OpenRegularFile(path);
          alignas(inotify_event) char events[4096];
          const bool pipeOpened = read(watch, events, sizeof events) > 0;
          if (file) {
            char bytes[16];
            const std::size_t got = std::fread(bytes, 1, sizeof bytes, file->get());
            EXPECT_EQ(Bytes(bytes, bytes + got), kEarlier);
            ++n.read;
          } else {
            EXPECT_NE(file.failure().text.find("pipe"), std::string::npos) << file.failure().text;
            if (pipeOpened) ++n.pipeOpened;
          }
          ++progress;
        }
        return n;
      });
      int seen = -1;
      while (reads.wait_for(std::chrono::seconds(1)) != std::future_status::ready) {
        const int now = progress.load();
        if (now == seen) {
          const int writer = open(scene.Path("pipe-again").c_str(), O_WRONLY | O_NONBLOCK);
          if (writer >= 0) {
            ++freed;
            close(writer);
          }
        }
        seen = now;
      }
      close(watch);
      const Counts n = reads.get();
      EXPECT_EQ(freed.load(), 0) << "reads waited on the pipe";
      EXPECT_GE(n.read, kRacesEach) << "the file had the name for few of " << n.tries << " reads";
      EXPECT_GE(n.pipeOpened, kRacesEach)
          << "the pipe took the name between the look and the open in few of " << n.tries
          << " reads";
      break;
    }
  }
  c.check(scene);
}

INSTANTIATE_TEST_SUITE_P(
    EveryTarget, FileSafety,
    ::testing::Combine(::testing::ValuesIn(kCases),
                       ::testing::Values(TemporaryFile::Unnamed, TemporaryFile::Named)),
    [](const auto& test) {
      std::string name = std::get<0>(test.param).what;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name + (std::get<1>(test.param) == TemporaryFile::Unnamed ? "_unnamed" : "_named");
    });

// A save killed at any moment leaves the earlier file or the whole new one
// under the name; what it leaves beside it goes at the next save there.
class KilledSaves : public ::testing::TestWithParam<TemporaryFile> {};

TEST_P(KilledSaves, LeaveTheFileWholeAndNothingAfterTheNextSave) {
  test::TempDir dir;
  const std::string path = (dir.path() / "job.qxk").string();
  const Bytes first(256 * 1024, 'A');
  const Bytes second(200 * 1024, 'B');
  std::mt19937 random(12345);
  int leftovers = 0;
  for (int kill = 0; kill < 60; ++kill) {
    const pid_t child = fork();
    if (child == 0) {
      for (int i = 0;; ++i) WriteFileAtomically(path, i % 2 == 0 ? first : second, GetParam());
    }
    std::this_thread::sleep_for(std::chrono::microseconds(2000 + random() % 20000));
    ::kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    if (fs::exists(path)) {
      const Bytes now = Contents(path);
      EXPECT_TRUE(now == first || now == second)
          << "kill " << kill << ": " << now.size() << " bytes";
    }
    leftovers = std::max(leftovers, static_cast<int>(Names(dir.path()).size()) - 1);
  }
  // Each save clears what the one before it left: one file at most at any kill.
  EXPECT_LE(leftovers, 1);
  ASSERT_TRUE(WriteFileAtomically(path, kNew, GetParam()));
  EXPECT_EQ(Names(dir.path()), std::set<std::string>{"job.qxk"});
}

// Saves in one folder at the same time: each clears the temporary files it
// finds unlocked, and never takes another save's new file for one of them.
class SavesInOneFolder : public ::testing::TestWithParam<TemporaryFile> {};

TEST_P(SavesInOneFolder, SideBySideAllSucceed) {
  test::TempDir dir;
  std::atomic<int> failed{0};
  const auto saves = [&](const std::string& name) {
    const std::string path = (dir.path() / name).string();
    for (int i = 0; i < 1500; ++i) {
      if (!WriteFileAtomically(path, kNew, GetParam())) ++failed;
    }
  };
  std::thread other(saves, "a.qxk");
  saves("b.qxk");
  other.join();
  EXPECT_EQ(failed.load(), 0);
  EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"a.qxk", "b.qxk"}));
}

INSTANTIATE_TEST_SUITE_P(BothKinds, KilledSaves,
                         ::testing::Values(TemporaryFile::Unnamed, TemporaryFile::Named));
INSTANTIATE_TEST_SUITE_P(BothKinds, SavesInOneFolder,
                         ::testing::Values(TemporaryFile::Unnamed, TemporaryFile::Named));


}  // namespace
}  // namespace q5300
