// Preloaded into a program start: SIGKILL at the moment the server is about to rename a
// file whose name ends with KILL_ON_RENAME (".TMD": a rebuilt table's new data file, after
// the server has removed the old one). The worst moment of a repair, reached every time.
#include <dlfcn.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int rename(const char* from, const char* to) {
  const char* suffix = std::getenv("KILL_ON_RENAME");
  const size_t fromLength = std::strlen(from);
  if (suffix != nullptr && *suffix != '\0' && fromLength >= std::strlen(suffix) &&
      std::strcmp(from + fromLength - std::strlen(suffix), suffix) == 0) {
    raise(SIGKILL);
  }
  using Rename = int (*)(const char*, const char*);
  static const auto next = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
  return next(from, to);
}
