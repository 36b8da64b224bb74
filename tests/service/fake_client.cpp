// Stands in for a running client in the stop tests.
//
//   fake_client PID_FILE exits-on-term [WITNESS]
//   fake_client PID_FILE ignores-term
//
// Sets up its SIGTERM handling, then writes "pid=N\n" to PID_FILE (aside and
// renamed, so a reader sees it whole only once the handling is in place) and
// waits for signals. On SIGTERM, "exits-on-term" exits with kEndedWithWitness
// when WITNESS exists (or none is given) and with kEndedWithoutWitness
// otherwise, so a test can tell what the file system looked like at the
// moment the client was told to stop.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "fake_client.h"

namespace {

using fakeclient::kEndedWithoutWitness;
using fakeclient::kEndedWithWitness;
constexpr int kUsage = 2;

const char* witness = nullptr;

void OnTerm(int) {
  const bool present = witness == nullptr || access(witness, F_OK) == 0;
  _exit(present ? kEndedWithWitness : kEndedWithoutWitness);
}

bool WritePidFile(const std::string& path) {
  const std::string part = path + ".part";
  const std::string text = "pid=" + std::to_string(getpid()) + "\n";
  const int fd = open(part.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  return close(fd) == 0 && written && rename(part.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: %s PID_FILE exits-on-term|ignores-term [WITNESS]\n", argv[0]);
    return kUsage;
  }
  const std::string mode = argv[2];
  if (mode == "exits-on-term") {
    witness = argc == 4 ? argv[3] : nullptr;
    struct sigaction action;
    std::memset(&action, 0, sizeof(action));
    action.sa_handler = OnTerm;
    sigaction(SIGTERM, &action, nullptr);
  } else if (mode == "ignores-term") {
    signal(SIGTERM, SIG_IGN);
  } else {
    std::fprintf(stderr, "unknown mode '%s'\n", mode.c_str());
    return kUsage;
  }
  if (!WritePidFile(argv[1])) {
    std::perror("pid file");
    return 1;
  }
  for (;;) pause();
}
