#pragma once
// Ctrl-C (SIGINT) and SIGTERM during a run of dorx-batch act as the Stop
// button: the handler only notes the signal, and the verb, which looks at it
// whenever the window processes its pending events, clicks Stop. The run then
// ends as a Stop ends it (the temporary record files removed, the result file
// with its header and the records written so far), and the verb exits with
// 128 + the signal's number.
namespace dorx::batch {

// Installs the handler for SIGINT and SIGTERM. It resets itself, so a second
// signal of the same kind ends the program at once as without the handler.
void CatchStopSignals();

// The signal caught since CatchStopSignals, 0 while none.
int CaughtStopSignal();

// 128 + the caught signal's number (130 for SIGINT, 143 for SIGTERM).
int StopSignalExitStatus();

}  // namespace dorx::batch
