#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "cli/io/file_replacement.h"

namespace kelotarhu::cli {
namespace {

// The signals that end the program by default and that it can catch.
constexpr std::array<int, 4> kEndingSignals = {SIGHUP, SIGINT, SIGQUIT, SIGTERM};

// The new file while it is written, for the signal handler to remove; a fixed buffer,
// since the handler may only call async-signal-safe functions.
std::array<char, 4096> pending_path{};
volatile std::sig_atomic_t pending = 0;

extern "C" void RemovePendingAndEnd(int signal_number) {
  if (pending != 0) unlink(pending_path.data());
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);  // delivered when the handler returns: ends as it would have
}

sigset_t EndingSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  for (const int signal_number : kEndingSignals) sigaddset(&signals, signal_number);
  return signals;
}

// Holds back the ending signals for its lifetime: what happens meanwhile (creating the
// new file and noting it, renaming it and forgetting it) happens whole.
class HeldSignals {
 public:
  HeldSignals() {
    const sigset_t signals = EndingSignals();
    sigprocmask(SIG_BLOCK, &signals, &previous_);
  }
  ~HeldSignals() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }
  HeldSignals(const HeldSignals&) = delete;
  HeldSignals& operator=(const HeldSignals&) = delete;

 private:
  sigset_t previous_;
};

// The new file beside the target: removed unless renamed over it, and by a signal that
// ends the program while it exists. A write beyond the file-size limit fails with EFBIG
// meanwhile, rather than SIGXFSZ ending the program.
class NewFile {
 public:
  explicit NewFile(const std::filesystem::path& target) {
    struct sigaction action {};
    action.sa_handler = RemovePendingAndEnd;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
      sigaction(kEndingSignals[i], &action, &previous_actions_[i]);
      // One ignored before (nohup's SIGHUP) ends nothing: it stays ignored.
      if (previous_actions_[i].sa_handler == SIG_IGN) {
        sigaction(kEndingSignals[i], &previous_actions_[i], nullptr);
      }
    }
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &previous_file_size_action_);

    std::string leaf = ".";  // hidden, named after the target: ".2026.csv.a8Xk2Q"
    leaf.append(target.filename().string()).append(".XXXXXX");
    const std::string name = target.parent_path() / leaf;
    if (name.size() >= pending_path.size()) {
      errno = ENAMETOOLONG;
      return;
    }
    const HeldSignals held;
    std::memcpy(pending_path.data(), name.c_str(), name.size() + 1);
    descriptor_ = mkstemp(pending_path.data());
    if (descriptor_ >= 0) pending = 1;
  }

  ~NewFile() {
    {
      const HeldSignals held;
      if (descriptor_ >= 0) close(descriptor_);
      if (pending != 0) unlink(pending_path.data());
      pending = 0;
    }
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
      sigaction(kEndingSignals[i], &previous_actions_[i], nullptr);
    }
    sigaction(SIGXFSZ, &previous_file_size_action_, nullptr);
  }

  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;

  int descriptor() const { return descriptor_; }

  // Closes the file: false, with errno set, when the last of it could not be written.
  bool Close() {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    return close(descriptor) == 0;
  }

  // Renames the closed file over `target`: false, with errno set, when it cannot be.
  bool RenameOver(const std::filesystem::path& target) {
    const HeldSignals held;
    if (rename(pending_path.data(), target.c_str()) != 0) return false;
    pending = 0;
    return true;
  }

 private:
  int descriptor_ = -1;
  std::array<struct sigaction, kEndingSignals.size()> previous_actions_{};
  struct sigaction previous_file_size_action_ {};
};

// The file a chain of symbolic links ends in (not necessarily there yet).
std::filesystem::path LinkedFile(std::filesystem::path path) {
  constexpr int kMostLinks = 40;  // as Linux follows at most
  std::error_code error;
  for (int links = 0; links < kMostLinks && std::filesystem::is_symlink(path, error); ++links) {
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

bool WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The permission bits for the file: the old file's, or those a new file gets.
mode_t PermissionBits(const struct stat* old_file) {
  if (old_file) return old_file->st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

FileFailure Failure(int error) { return {error, std::strerror(error)}; }

// A terminal, a pipe or a device, written as it is.
std::optional<FileFailure> WriteInPlace(const std::filesystem::path& target,
                                        std::string_view bytes) {
  const int descriptor = open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (descriptor < 0) return Failure(errno);
  const bool written = WriteAll(descriptor, bytes);
  const int error = errno;
  if (close(descriptor) != 0 || !written) return Failure(written ? errno : error);
  return std::nullopt;
}

// Makes the rename itself last: the folder's entry on disk.
void FlushFolder(const std::filesystem::path& target) {
  const std::filesystem::path folder = target.parent_path();
  const int descriptor = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return;
  fsync(descriptor);
  close(descriptor);
}

}  // namespace

std::optional<FileFailure> ReplaceFileContents(const std::string& path, std::string_view bytes) {
  // stat follows links as opening would, even those of /proc that name no path.
  struct stat old_file {};
  const bool exists = stat(path.c_str(), &old_file) == 0;
  if (exists && !S_ISREG(old_file.st_mode)) return WriteInPlace(path, bytes);
  const std::filesystem::path target = LinkedFile(path);
  NewFile file(target);
  if (file.descriptor() < 0) return Failure(errno);
  if (fchmod(file.descriptor(), PermissionBits(exists ? &old_file : nullptr)) != 0 ||
      !WriteAll(file.descriptor(), bytes) || fsync(file.descriptor()) != 0 || !file.Close() ||
      !file.RenameOver(target)) {
    return Failure(errno);
  }
  FlushFolder(target);
  return std::nullopt;
}

}  // namespace kelotarhu::cli
