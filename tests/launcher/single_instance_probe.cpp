// Helper process for the single-instance tests: builds the guarded
// application object and prints "running" or "first".
//
//   single_instance_probe           prints and exits
//   single_instance_probe hold      prints, then holds until stdin closes
//   single_instance_probe spawn     also starts a child (sleep 60), prints
//                                   "child <pid>", then holds
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "qtsingleapplication.h"

int main(int argc, char** argv) {
  const char* mode = argc > 1 ? argv[1] : "";
  QtSingleApplication app(argc, argv, true);
  std::printf("%s\n", app.isRunning() ? "running" : "first");
  if (std::strcmp(mode, "spawn") == 0) {
    const pid_t child = ::fork();
    if (child == 0) {
      ::execlp("sleep", "sleep", "60", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    std::printf("child %d\n", static_cast<int>(child));
  }
  std::fflush(stdout);
  if (std::strcmp(mode, "hold") == 0 || std::strcmp(mode, "spawn") == 0) {
    char buffer[64];
    while (::read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
    }
  }
  return 0;
}
