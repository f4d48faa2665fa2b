#include "cli/cli_console.h"

#include <unistd.h>

namespace {

void WriteLine(std::FILE* stream, const QString& line) {
  const QByteArray bytes = line.toUtf8() + '\n';
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
  std::fflush(stream);
}

}  // namespace

Console::Console(std::FILE* results, std::FILE* messages)
    : results_(results), messages_(messages), terminal_(::isatty(::fileno(messages)) == 1) {}

void Console::Result(const QString& line) {
  const std::lock_guard hold(lines_);
  EndProgressLocked();
  WriteLine(results_, line);
}

void Console::Error(const QString& line) {
  const std::lock_guard hold(lines_);
  EndProgressLocked();
  WriteLine(messages_, line);
}

void Console::Progress(const QString& line) {
  if (!terminal_) return;
  const std::lock_guard hold(lines_);
  const QByteArray bytes = "\r\x1b[K" + line.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), messages_);
  std::fflush(messages_);
  progressShown_ = true;
}

void Console::EndProgress() {
  const std::lock_guard hold(lines_);
  EndProgressLocked();
}

void Console::EndProgressLocked() {
  if (!progressShown_) return;
  std::fputs("\r\x1b[K", messages_);
  std::fflush(messages_);
  progressShown_ = false;
}
