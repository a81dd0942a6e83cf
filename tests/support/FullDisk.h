#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace q5300::testing {

// While it lives, no byte can be written to any regular file by this process
// or the processes it starts, as on a disk that is full: a file can be made,
// nothing can be put into it. (The limit on file size, with its signal ignored,
// so a write fails with an error instead.)
class FullDisk {
 public:
  FullDisk() {
    getrlimit(RLIMIT_FSIZE, &before_);
    rlimit none = before_;
    none.rlim_cur = 0;
    setrlimit(RLIMIT_FSIZE, &none);
    signalBefore_ = signal(SIGXFSZ, SIG_IGN);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;
  ~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &before_);
    signal(SIGXFSZ, signalBefore_);
  }

 private:
  rlimit before_{};
  sighandler_t signalBefore_ = SIG_DFL;
};

}  // namespace q5300::testing
