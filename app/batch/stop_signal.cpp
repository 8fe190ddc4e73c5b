#include "stop_signal.h"

#include <csignal>

namespace dorx::batch {
namespace {

// The one variable of the program that lives outside the context: a signal
// handler gets no argument through which it could reach the context, and the
// only thing it may safely do is store into a volatile sig_atomic_t. The
// context's StopRequested is set from it by an ordinary Stop click.
volatile std::sig_atomic_t caught_signal = 0;

extern "C" void NoteStopSignal(int signal) { caught_signal = signal; }

void Catch(int signal) {
  struct sigaction action {};
  action.sa_handler = NoteStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  sigaction(signal, &action, nullptr);
}

}  // namespace

void CatchStopSignals() {
  Catch(SIGINT);
  Catch(SIGTERM);
}

int CaughtStopSignal() { return caught_signal; }

int StopSignalExitStatus() { return 128 + caught_signal; }

}  // namespace dorx::batch
