#pragma once

#include "app/exit_status.h"
#include "console/console.h"

// Runs `job`, a piece of the program that talks on the console and returns an
// ExitStatus. When the job's output cannot be written or its input cannot be
// read (which is not its end), says so in one line on the console's error
// stream and returns ExitStatus::cannotWork instead.
template <typename Job>
ExitStatus runReportingFailures(Console& console, Job job) {
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

// The same once the console's converters are open; when they cannot be
// opened, says so and returns ExitStatus::cannotWork before `job` starts.
template <typename Job>
ExitStatus runOnConsole(Console& console, Job job) {
  if (!checkConverters(console)) {
    return ExitStatus::cannotWork;
  }
  return runReportingFailures(console, job);
}
