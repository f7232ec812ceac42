#include "console/windows/file_input_win32.h"

#include "console/windows/windows_api.h"

#include "console/read_failure.h"

FileInputBuffer::int_type FileInputBuffer::underflow() {
  while (!ended_) {
    DWORD got = 0;
    if (ReadFile(handle_, bytes_.data(), static_cast<DWORD>(bytes_.size()), &got, nullptr)) {
      if (got > 0) {
        setg(bytes_.data(), bytes_.data(), bytes_.data() + got);
        return traits_type::to_int_type(bytes_[0]);
      }
      ended_ = true;  // the end of a file, or a pipe's writer wrote nothing
    } else if (GetLastError() == ERROR_BROKEN_PIPE || GetLastError() == ERROR_HANDLE_EOF) {
      ended_ = true;
    } else {
      failReading();
    }
  }
  return traits_type::eof();
}
