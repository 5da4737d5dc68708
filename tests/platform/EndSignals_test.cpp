#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>

#include "platform/qt/EndSignals.h"

namespace {

// Runs the event loop until Done() or a second has passed.
template <typename F>
void PumpUntil(F&& Done) {
  QElapsedTimer Timer;
  Timer.start();
  while (!Done() && Timer.elapsed() < 1000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(EndSignals, EachSignalEndsThroughTheEventLoop) {
  for (int Signal : {SIGTERM, SIGINT, SIGHUP}) {
    int Ends = 0;
    TEndSignals Guard([&] { ++Ends; });
    ASSERT_EQ(std::raise(Signal), 0);  // the process lives on: the handler only takes note
    EXPECT_EQ(Ends, 0) << "ran inside the signal handler";
    PumpUntil([&] { return Ends > 0; });
    EXPECT_EQ(Ends, 1) << Signal;
  }
}

TEST(EndSignals, SignalsInARowEndOnce) {
  int Ends = 0;
  TEndSignals Guard([&] { ++Ends; });
  std::raise(SIGTERM);
  std::raise(SIGTERM);
  PumpUntil([&] { return Ends > 0; });
  QCoreApplication::processEvents();
  EXPECT_EQ(Ends, 1);
}

TEST(EndSignals, FormerHandlingComesBack) {
  struct sigaction Before {};
  sigaction(SIGTERM, nullptr, &Before);
  { TEndSignals Guard([] {}); }
  struct sigaction After {};
  sigaction(SIGTERM, nullptr, &After);
  EXPECT_EQ(After.sa_handler, Before.sa_handler);
}

}  // namespace
