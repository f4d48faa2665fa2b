#pragma once

#include <fcntl.h>
#include <pthread.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QFile>
#include <QString>

// A barrier in a file that several processes map: each waits at it until all have come, so
// that two workstations press their save key at the same moment.
class SharedBarrier {
 public:
  // Opens the barrier of the file; with `parties` > 0 the file is made and the barrier set
  // up for that many processes.
  SharedBarrier(const QString& path, unsigned parties = 0) {
    const QByteArray name = QFile::encodeName(path);
    const int file = ::open(name.constData(), O_RDWR | (parties > 0 ? O_CREAT | O_TRUNC : 0), 0600);
    if (file < 0) return;
    if (parties > 0 && ::ftruncate(file, sizeof(pthread_barrier_t)) != 0) {
      ::close(file);
      return;
    }
    void* memory =
        ::mmap(nullptr, sizeof(pthread_barrier_t), PROT_READ | PROT_WRITE, MAP_SHARED, file, 0);
    ::close(file);
    if (memory == MAP_FAILED) return;
    barrier_ = static_cast<pthread_barrier_t*>(memory);
    if (parties > 0) {
      pthread_barrierattr_t attributes;
      pthread_barrierattr_init(&attributes);
      pthread_barrierattr_setpshared(&attributes, PTHREAD_PROCESS_SHARED);
      pthread_barrier_init(barrier_, &attributes, parties);
      pthread_barrierattr_destroy(&attributes);
    }
  }
  ~SharedBarrier() {
    if (barrier_ != nullptr) ::munmap(barrier_, sizeof(pthread_barrier_t));
  }
  SharedBarrier(const SharedBarrier&) = delete;
  SharedBarrier& operator=(const SharedBarrier&) = delete;

  bool Valid() const { return barrier_ != nullptr; }
  void Wait() {
    if (barrier_ != nullptr) pthread_barrier_wait(barrier_);
  }

 private:
  pthread_barrier_t* barrier_ = nullptr;
};
