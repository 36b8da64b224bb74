#include "syscall_filter.h"

#include <fcntl.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace servicetest {

namespace {

#if defined(__x86_64__)
constexpr uint32_t kAuditArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr uint32_t kAuditArch = AUDIT_ARCH_AARCH64;
#else
constexpr uint32_t kAuditArch = 0;
#endif

// Both architectures are little-endian: an argument's low word comes first.
uint32_t ArgOffset(int arg) {
  return static_cast<uint32_t>(offsetof(seccomp_data, args) + sizeof(uint64_t) * arg);
}

}  // namespace

SyscallRule EndProcessOnKill(int sig) {
  SyscallRule rule{__NR_kill};
  if (sig >= 0) {
    rule.arg = 1;
    rule.value = static_cast<uint32_t>(sig);
  }
  return rule;
}

SyscallRule RefuseKill(int sig) {
  SyscallRule rule = EndProcessOnKill(sig);
  rule.action = SECCOMP_RET_ERRNO | EPERM;
  return rule;
}

std::vector<SyscallRule> EndProcessOnRemoveDir() {
  std::vector<SyscallRule> rules;
#ifdef __NR_rmdir
  rules.push_back(SyscallRule{__NR_rmdir});
#endif
  SyscallRule unlinkat_dir{__NR_unlinkat};
  unlinkat_dir.arg = 2;
  unlinkat_dir.mask = AT_REMOVEDIR;
  unlinkat_dir.value = AT_REMOVEDIR;
  rules.push_back(unlinkat_dir);
  return rules;
}

bool InstallSyscallFilter(const std::vector<SyscallRule>& rules) {
  if (kAuditArch == 0) return false;
  std::vector<sock_filter> program = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, kAuditArch, 1, 0),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
  };
  for (const SyscallRule& rule : rules) {
    const bool checks_arg = rule.arg >= 0;
    // On another call, jump over the rest of this rule to the next one.
    const unsigned char rest = checks_arg ? 4 : 1;
    program.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)));
    program.push_back(
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<uint32_t>(rule.nr), 0, rest));
    if (checks_arg) {
      program.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, ArgOffset(rule.arg)));
      program.push_back(BPF_STMT(BPF_ALU | BPF_AND | BPF_K, rule.mask));
      program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, rule.value, 0, 1));
    }
    program.push_back(BPF_STMT(BPF_RET | BPF_K, rule.action));
  }
  program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
  sock_fprog fprog = {static_cast<unsigned short>(program.size()), program.data()};
  return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
         prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &fprog) == 0;
}

int RunSandboxed(const std::vector<SyscallRule>& rules, const std::function<void()>& body) {
  const pid_t pid = fork();
  if (pid == 0) {
    // A stray kill(0, ...) would then reach this child's group only.
    setpgid(0, 0);
    if (!InstallSyscallFilter(rules)) _exit(kSandboxUnavailable);
    body();
    _exit(0);
  }
  int status = -1;
  if (pid > 0) {
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }
  return status;
}

}  // namespace servicetest
