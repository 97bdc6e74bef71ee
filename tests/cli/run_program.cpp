#include "run_program.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace kelotarhu::testing {
namespace {

// A file in the temporary folder that is removed again when the object goes.
class TemporaryFile {
 public:
  TemporaryFile() {
    const char* folder = std::getenv("TMPDIR");
    path_ = std::string(folder && *folder ? folder : "/tmp") + "/kelotarhu-cli-XXXXXX";
    const int fd = mkstemp(path_.data());
    if (fd < 0) throw std::runtime_error("cannot create a temporary file");
    close(fd);
  }
  ~TemporaryFile() { unlink(path_.c_str()); }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const std::string& path() const { return path_; }
  std::string Contents() const {
    std::ifstream file(path_, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
  }

 private:
  std::string path_;
};

// This process's environment with the given entries in place of those of the same names.
std::vector<std::string> ChildEnvironment(const std::vector<std::string>& changes) {
  std::vector<std::string> entries;
  const auto name_of = [](const std::string& entry) { return entry.substr(0, entry.find('=')); };
  for (char** entry = environ; *entry; ++entry) {
    const std::string name = name_of(*entry);
    bool replaced = false;
    for (const std::string& change : changes) replaced = replaced || name_of(change) == name;
    if (!replaced) entries.emplace_back(*entry);
  }
  entries.insert(entries.end(), changes.begin(), changes.end());
  return entries;
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::vector<std::string>& environment) {
  const TemporaryFile out;
  const TemporaryFile err;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.path().c_str(), O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.path().c_str(), O_WRONLY, 0);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  std::vector<std::string> entries = ChildEnvironment(environment);
  std::vector<char*> envp;
  for (std::string& entry : entries) envp.push_back(entry.data());
  envp.push_back(nullptr);
  pid_t child = 0;
  const int spawn_error =
      posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawn_error != 0) throw std::runtime_error("cannot start " + program);
  int status = 0;
  waitpid(child, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out.Contents(), err.Contents()};
}

}  // namespace kelotarhu::testing
