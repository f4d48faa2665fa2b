// Preloaded into a command: every write into a file under NO_SPACE_DIR fails as it does on a
// full disk (ENOSPC), so that the bytes a file keeps in its buffer are refused only at the
// last flush, the moment a small report file is most easily lost.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool UnderFullFolder(int fd) {
  const char* folder = std::getenv("NO_SPACE_DIR");
  if (folder == nullptr || *folder == '\0') return false;
  char link[64];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  char path[4096];
  const ssize_t length = readlink(link, path, sizeof path - 1);
  if (length <= 0) return false;
  path[length] = '\0';
  const size_t prefix = std::strlen(folder);
  return std::strncmp(path, folder, prefix) == 0 && path[prefix] == '/';
}

}  // namespace

extern "C" ssize_t write(int fd, const void* buffer, size_t count) {
  using Write = ssize_t (*)(int, const void*, size_t);
  static const auto next = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
  if (count > 0 && UnderFullFolder(fd)) {
    errno = ENOSPC;
    return -1;
  }
  return next(fd, buffer, count);
}
