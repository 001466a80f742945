#include "core/error_text.h"

#include <cerrno>
#include <cstring>

namespace tessaly {

const char* error_text(int error_number) {
  // The reasons a file's reading or writing can give, in the GNU C library's words.
  switch (error_number) {
    case EACCES:
      return "Permission denied";
    case EPERM:
      return "Operation not permitted";
    case ENOENT:
      return "No such file or directory";
    case EEXIST:
      return "File exists";
    case ENOSPC:
      return "No space left on device";
    case ENOMEM:
      return "Cannot allocate memory";
    case EAGAIN:
      return "Resource temporarily unavailable";
    case EROFS:
      return "Read-only file system";
    case EPIPE:
      return "Broken pipe";
    case EIO:
      return "Input/output error";
    case ENXIO:
      return "No such device or address";
    case ENOTDIR:
      return "Not a directory";
    case EISDIR:
      return "Is a directory";
    case EINVAL:
      return "Invalid argument";
    case ETXTBSY:
      return "Text file busy";
    case ELOOP:
      return "Too many levels of symbolic links";
    case ENAMETOOLONG:
      return "File name too long";
    case EMFILE:
      return "Too many open files";
    case EBADF:
      return "Bad file descriptor";
    case EDQUOT:
      return "Disk quota exceeded";
    case EFBIG:
      return "File too large";
    case EBUSY:
      return "Device or resource busy";
    case EXDEV:
      return "Invalid cross-device link";
    case ENOTEMPTY:
      return "Directory not empty";
    default:
      return std::strerror(error_number);
  }
}

}  // namespace tessaly
