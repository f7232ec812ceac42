#include <cerrno>
#include <cstring>
#include <string>

#include "console/platform.h"

// The system's errors on the platforms whose calls all leave their failure in
// errno: POSIX and the page. Windows has its own, in platform_win32.cpp.

void clearSystemError() {
  errno = 0;
}

std::string describeSystemError() {
  return std::strerror(errno != 0 ? errno : EIO);
}
