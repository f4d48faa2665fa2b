#pragma once

#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

// The process's one database thread. Every statement, and every call into the database
// library that touches a connection or the server, runs there, whichever thread asks, and
// the asking thread waits for it: the callers keep a synchronous interface. (Escaping a
// value reads only the connection's character set and runs in place.) On the process's main thread
// the embedded server asks for the thread's stack bounds at every statement, which the C library
// answers by reading /proc/self/maps; on a thread of its own the answer is kept, and statements run
// several times faster.
//
// The thread is made with every signal blocked, so the stop signals of the window and of
// the commands always reach the thread that handles them. Work already on the database
// thread runs in place, so a task may call code that asks for the thread again.
void RunOnDatabaseThread(const std::function<void()>& work);

// Whether the calling thread is the database thread.
[[nodiscard]] bool OnDatabaseThread();

// The same, giving back what `work` returns.
template <typename Work>
auto OnDatabaseThread(Work&& work) -> std::invoke_result_t<Work&> {
  using Result = std::invoke_result_t<Work&>;
  if constexpr (std::is_void_v<Result>) {
    RunOnDatabaseThread(work);
  } else {
    std::optional<Result> result;
    RunOnDatabaseThread([&] { result.emplace(work()); });
    return std::move(*result);
  }
}
