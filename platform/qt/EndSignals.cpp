#include "platform/qt/EndSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace {

constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};
int Pipe[2] = {-1, -1};
struct sigaction Former[std::size(Signals)];

extern "C" void NoteSignal(int Signal) {
  const int Saved = errno;
  const char Byte = static_cast<char>(Signal);
  // A full pipe already holds a request; nothing is lost by dropping this one.
  [[maybe_unused]] ssize_t Written = ::write(Pipe[1], &Byte, 1);
  errno = Saved;
}

}  // namespace

TEndSignals::TEndSignals(std::function<void()> OnEnd, QObject* Parent) : QObject(Parent), FOnEnd(std::move(OnEnd)) {
  if (Pipe[0] >= 0 || ::pipe2(Pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;  // then signals keep their default
  FNotifier = new QSocketNotifier(Pipe[0], QSocketNotifier::Read, this);
  connect(FNotifier, &QSocketNotifier::activated, this, &TEndSignals::Drain);
  struct sigaction Action {};
  Action.sa_handler = NoteSignal;
  sigemptyset(&Action.sa_mask);
  Action.sa_flags = SA_RESTART;
  for (size_t i = 0; i < std::size(Signals); ++i) sigaction(Signals[i], &Action, &Former[i]);
}

TEndSignals::~TEndSignals() {
  if (!FNotifier) return;
  for (size_t i = 0; i < std::size(Signals); ++i) sigaction(Signals[i], &Former[i], nullptr);
  delete FNotifier;
  ::close(Pipe[0]);
  ::close(Pipe[1]);
  Pipe[0] = Pipe[1] = -1;
}

void TEndSignals::Drain() {
  char Bytes[64];
  bool Any = false;
  while (::read(Pipe[0], Bytes, sizeof Bytes) > 0) Any = true;
  if (Any && FOnEnd) FOnEnd();
}
