// Preloaded into the tool by a test: SIGTERM arrives just as the output is flushed to
// disk, when the new file is whole but not yet renamed over the old one, as a Ctrl+C or
// a shutdown would at the worst moment.
#include <dlfcn.h>

#include <csignal>

extern "C" int fsync(int descriptor) {
  std::raise(SIGTERM);
  using Fsync = int (*)(int);
  static const auto real_fsync = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
  return real_fsync(descriptor);
}
