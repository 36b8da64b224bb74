// Seccomp filters for the service tests: a process that must not send a
// signal, or must die at a chosen system call, gets a filter that makes the
// kernel enforce it. Linux on x86-64 and AArch64 only; elsewhere the filters
// are not available and the cases that need them skip.
#pragma once

#include <linux/seccomp.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace servicetest {

// When system call `nr` is made (and, if arg >= 0, the low 32 bits of that
// argument masked by `mask` equal `value`), the kernel returns `action`
// (e.g. SECCOMP_RET_KILL_PROCESS, or SECCOMP_RET_ERRNO | EPERM) instead of
// running it.
struct SyscallRule {
  int nr;
  int arg = -1;
  uint32_t mask = 0xffffffffu;
  uint32_t value = 0;
  uint32_t action = SECCOMP_RET_KILL_PROCESS;
};

// kill(pid, sig) ends the calling process (SIGSYS) before anything is sent;
// sig < 0: every kill() does.
SyscallRule EndProcessOnKill(int sig = -1);
// kill(pid, sig) fails with EPERM, as for another user's process.
SyscallRule RefuseKill(int sig);
// Removing a directory (rmdir, or unlinkat with AT_REMOVEDIR) ends the
// calling process with SIGSYS, like a kill -9 at that moment.
std::vector<SyscallRule> EndProcessOnRemoveDir();

// Applies the rules to the calling thread and what it starts from now on,
// for good. False when filters are not available here.
bool InstallSyscallFilter(const std::vector<SyscallRule>& rules);

// Exit code of a sandboxed child when filters are not available.
constexpr int kSandboxUnavailable = 3;

// Runs body in a forked child, in a process group of its own, under the
// rules, and returns the child's wait status: exit code 0 after body, or
// kSandboxUnavailable. The child ends with _exit, so no exit handlers run.
int RunSandboxed(const std::vector<SyscallRule>& rules, const std::function<void()>& body);

}  // namespace servicetest
