#pragma once

#include "app/exit_status.h"
#include "console/console.h"

// Runs `job`, a piece of the program that talks on the console and returns an
// ExitStatus, once the console's converters are open. When they cannot be
// opened, the job's output cannot be written or its input cannot be read
// (which is not its end), says so in one line on the console's error stream
// and returns ExitStatus::cannotWork instead.
template <typename Job>
ExitStatus runOnConsole(Console& console, Job job) {
  if (!checkConverters(console)) {
    return ExitStatus::cannotWork;
  }
  try {
    return job();
  } catch (const OutputFailed& failure) {
    reportFailure(console, failure.reason);
    return ExitStatus::cannotWork;
  } catch (const InputFailed& failure) {
    reportFailure(console, failure.reason);
    return ExitStatus::cannotWork;
  }
}
