#include "tools/process_run.h"

#include <errno.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

namespace quillory {
namespace {

constexpr size_t kBlockSize = 64 * 1024;
// A child that writes without pause must not keep a window's event loop in
// one call; a batch is over a megabyte, so a waiting caller loses nothing.
constexpr int kBlocksPerCall = 16;
// Bigger than the default 64 KiB, so a large output needs fewer switches
// between child and reader.
constexpr int kPipeSize = 1024 * 1024;

void CloseFd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

void DefaultSignals() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  for (int signal = 1; signal < NSIG; ++signal) {
    sigaction(signal, &action, nullptr);
  }
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
}

// Runs in the child between fork and exec, so it calls only what is safe
// there. The child gets /dev/null as input, `output` and `errors` as its
// standard output and error, and no other descriptor of ours but `report`,
// which is closed by a successful exec and otherwise carries its errno. It
// leads a new process group and starts with default signal handling and
// nothing blocked, whatever this program has set for itself. It runs in
// `folder` unless that is empty.
[[noreturn]] void ExecChild(char* const argv[], const char* folder, int output,
                            int errors, int report, pid_t parent) {
  EndWithParent(parent);
  setpgid(0, 0);
  DefaultSignals();
  const int input = open("/dev/null", O_RDONLY);
  dup2(input, STDIN_FILENO);
  dup2(output, STDOUT_FILENO);
  dup2(errors, STDERR_FILENO);
  constexpr int kReport = STDERR_FILENO + 1;
  if (report != kReport) dup3(report, kReport, O_CLOEXEC);
  closefrom(kReport + 1);
  if (*folder == '\0' || chdir(folder) == 0) execvp(argv[0], argv);
  const int error = errno;
  [[maybe_unused]] const ssize_t ignored = write(kReport, &error, sizeof error);
  _exit(127);
}

// Starts the child as ExecChild says; 0, or the errno of a failed start.
int Spawn(const std::vector<std::string>& words, const std::string& folder,
          int output, int errors, pid_t* pid) {
  std::vector<char*> argv;
  for (const std::string& word : words) {
    argv.push_back(const_cast<char*>(word.c_str()));
  }
  argv.push_back(nullptr);
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return errno;
  const pid_t parent = getpid();
  // No handler of ours may run in the child before it resets them.
  sigset_t all, old;
  sigfillset(&all);
  pthread_sigmask(SIG_SETMASK, &all, &old);
  const pid_t child = fork();
  if (child == 0) {
    ExecChild(argv.data(), folder.c_str(), output, errors, report[1], parent);
  }
  const int fork_error = errno;
  pthread_sigmask(SIG_SETMASK, &old, nullptr);
  close(report[1]);
  int error = child < 0 ? fork_error : 0;
  if (child > 0) {
    // The process group exists before anyone may signal it.
    setpgid(child, child);
    ssize_t got;
    while ((got = read(report[0], &error, sizeof error)) < 0 &&
           errno == EINTR) {
    }
    if (got <= 0) error = 0;
    if (error != 0) waitpid(child, nullptr, 0);
  }
  close(report[0]);
  if (error == 0) *pid = child;
  return error;
}

// A file, unlike a second pipe, never fills up, so the child cannot stall
// on its errors while only its output is watched. It may not grow past
// kOutputLimit: writes beyond fail, as on a full disk, and what went in
// takes memory only where it was written. -1 when there is none.
int ErrorsFile() {
  const int fd =
      memfd_create("quillory-errors", MFD_CLOEXEC | MFD_ALLOW_SEALING);
  if (fd < 0) return -1;
  if (ftruncate(fd, static_cast<off_t>(kOutputLimit)) != 0 ||
      fcntl(fd, F_ADD_SEALS, F_SEAL_GROW) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

void EndWithParent(pid_t parent) {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  // The parent may have ended before the line above took effect.
  if (getppid() != parent) _exit(127);
}

ProcessRun::~ProcessRun() { Stop(); }

bool ProcessRun::Start(const std::vector<std::string>& words, ErrorRoute route,
                       const std::string& folder) {
  if (words.empty() || pid_ >= 0 || output_fd_ >= 0) return false;
  int pipe_fds[2];
  if (pipe2(pipe_fds, O_CLOEXEC) != 0) return false;
  if (route == ErrorRoute::kApart) errors_fd_ = ErrorsFile();
  if (route == ErrorRoute::kWithOutput || errors_fd_ >= 0) {
    fcntl(pipe_fds[1], F_SETPIPE_SZ, kPipeSize);
    const int errors = errors_fd_ >= 0 ? errors_fd_ : pipe_fds[1];
    pid_t pid = -1;
    if (Spawn(words, folder, pipe_fds[1], errors, &pid) == 0) pid_ = pid;
  }
  // NOTE: only the child may hold the write end, so that the pipe reports
  // the end of the output once the child and its children have closed it.
  close(pipe_fds[1]);
  if (pid_ < 0) {
    close(pipe_fds[0]);
    CloseFd(errors_fd_);
    return false;
  }
  output_fd_ = pipe_fds[0];
  fcntl(output_fd_, F_SETFL, fcntl(output_fd_, F_GETFL) | O_NONBLOCK);
  // NOTE: glibc 2.36 declares pidfd_open without C linkage.
  exit_fd_ = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
  return true;
}

bool ProcessRun::ReadAvailable() {
  for (int block = 0; output_fd_ >= 0 && block < kBlocksPerCall; ++block) {
    // At the limit, one byte more tells whether the output goes on.
    const size_t left = kOutputLimit - output_.size();
    char beyond;
    const std::span<char> room = left > 0
                                     ? output_.Room(std::min(kBlockSize, left))
                                     : std::span<char>(&beyond, 1);
    const ssize_t got =
        room.empty() ? 0 : read(output_fd_, room.data(), room.size());
    if (got > 0 && left == 0) {
      cut_ = true;
      killpg(pid_, SIGKILL);
      CloseOutput();
      break;
    }
    if (got > 0) output_.Commit(got);
    if (got > 0 || (got < 0 && errno == EINTR)) continue;
    if (got < 0 && errno == EAGAIN) return true;
    // The end of the output; a read error, or no memory left to read into,
    // ends it the same way.
    CloseOutput();
  }
  return output_fd_ >= 0;
}

bool ProcessRun::Finished() {
  if (output_fd_ >= 0) return false;
  Reap(WNOHANG);
  return pid_ < 0;
}

void ProcessRun::Stop() {
  if (pid_ >= 0) {
    // NOTE: the child is reaped only after its output has ended or here, so
    // its process group cannot have been taken by another process yet.
    killpg(pid_, SIGKILL);
    ReadAvailable();
  }
  CloseOutput();
  Reap(0);
}

void ProcessRun::CloseOutput() { CloseFd(output_fd_); }

void ProcessRun::Reap(int wait_flags) {
  if (pid_ < 0) return;
  pid_t result;
  do {
    result = waitpid(pid_, nullptr, wait_flags);
  } while (result < 0 && errno == EINTR);
  if (result == 0) return;
  pid_ = -1;
  CloseFd(exit_fd_);
  CollectErrors();
}

// NOTE: the child writes through the same open file, so the file's offset
// is where its errors end; the file's size is the limit's.
void ProcessRun::CollectErrors() {
  if (errors_fd_ < 0) return;
  const off_t length = std::clamp<off_t>(lseek(errors_fd_, 0, SEEK_CUR), 0,
                                         static_cast<off_t>(kOutputLimit));
  errors_.resize(static_cast<size_t>(length));
  size_t read_in = 0;
  for (ssize_t got; read_in < errors_.size() &&
                    (got = pread(errors_fd_, errors_.data() + read_in,
                                 errors_.size() - read_in,
                                 static_cast<off_t>(read_in))) > 0;) {
    read_in += static_cast<size_t>(got);
  }
  errors_.resize(read_in);
  CloseFd(errors_fd_);
}

}  // namespace quillory
