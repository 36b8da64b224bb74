// Helpers for running the installed launcher as a user would: an X server of
// its own, child processes in process groups of their own, shell commands.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

struct CommandResult {
  int status = -1;     // exit code, or -1 when the command could not run
  std::string output;  // standard output
};

// Runs `command` with /bin/sh and collects its standard output.
CommandResult RunCommand(const std::string& command);

// Quotes text for the shell.
std::string ShellQuote(const std::string& text);

// An Xvfb server on a free display (it picks the number itself, so parallel
// tests never clash), ended with the object.
class VirtualDisplay {
 public:
  VirtualDisplay();
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  bool ok() const { return !name_.empty(); }
  const std::string& name() const { return name_; }  // ":N"

 private:
  pid_t pid_ = -1;
  std::string name_;
};

// A program started in a process group of its own, with exactly the given
// environment, its standard input from /dev/null and its output in files.
// The group is killed when the object goes away.
class Child {
 public:
  // Runs `program` with the argument vector `argv` (argv[0] included, which
  // need not name the program).
  Child(const std::string& program, const std::vector<std::string>& argv, const std::vector<std::string>& env,
        const std::string& out_path, const std::string& err_path);
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  pid_t pid() const { return pid_; }
  // Waits up to timeout_ms for the program to end; true when it did.
  bool Wait(int timeout_ms);
  bool running() const { return !ended_; }
  // Exit code once ended; 128 + signal number when killed by a signal.
  int exit_code() const { return exit_code_; }
  void Signal(int signal_number);       // the program only
  void SignalGroup(int signal_number);  // the program and what it started

 private:
  pid_t pid_ = -1;
  bool ended_ = true;
  int exit_code_ = -1;
};

// Whether a live process runs a program whose command line contains `text`.
bool ProcessRuns(pid_t pid, const std::string& text);

// Polls `done` every 20 ms for up to timeout_ms; true once it holds.
template <typename Predicate>
bool WaitFor(Predicate done, int timeout_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

}  // namespace e2e
