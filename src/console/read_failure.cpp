#include "console/read_failure.h"

#include "console/platform.h"

void failReading() {
  throw InputFailed{"入力を読めません: " + describeSystemError()};
}
