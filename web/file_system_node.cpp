// The Node renderer's file system calls, made through Node's own fs module on the kernel's
// descriptors: the runtime's emulated calls lack O_PATH and O_NONBLOCK, hand their own
// descriptor numbers to Node's fchmod and fchown, and make fsync a no-op. The helpers the
// calls share (paths as bytes, error codes) are in node_pre.js.
#include <emscripten/emscripten.h>
#include <limits.h>

#include <cerrno>
#include <string>

#include "core/file_system.h"

// Inside EM_JS is JavaScript, which the C++ formatter would mangle. Each returns what the
// system call would, or minus Linux's error number.
// clang-format off
EM_JS(int, node_open, (const char* path, int purpose, int mode), {
  const c = require('fs').constants;
  const flags = [tessalyFs.O_PATH, c.O_WRONLY | c.O_NOCTTY, c.O_WRONLY | c.O_NOCTTY | c.O_NONBLOCK,
                 c.O_WRONLY | c.O_CREAT | c.O_NOCTTY, c.O_RDONLY | c.O_DIRECTORY,
                 c.O_RDONLY | c.O_NONBLOCK][purpose];
  return tessalyFs.call(() => require('fs').openSync(tessalyFs.path(path), flags, mode));
});

EM_JS(int, node_close, (int fd), {
  return tessalyFs.call(() => { require('fs').closeSync(fd); return 0; });
});

EM_JS(int, node_facts, (int fd, const char* path, int* mode, int* owner, int* group), {
  return tessalyFs.call(() => {
    const fs = require('fs');
    const facts = path ? fs.lstatSync(tessalyFs.path(path)) : fs.fstatSync(fd);
    HEAP32[mode >> 2] = facts.mode;
    HEAP32[owner >> 2] = facts.uid;
    HEAP32[group >> 2] = facts.gid;
    return 0;
  });
});

EM_JS(int, node_read, (int fd, void* buffer, int size), {
  return tessalyFs.call(() => require('fs').readSync(fd, HEAPU8, buffer, size, null));
});

// A descriptor opened without waiting for a FIFO's reader stays non-blocking in Node, and so
// may standard output: a full pipe is waited out here. A standard descriptor that was closed
// when the process started is EBADF, as it is for the native renderer.
EM_JS(int, node_write, (int fd, const void* bytes, int size), {
  if (fd <= 2 && tessalyFs.closedAtStart(fd)) return -tessalyFs.errno('EBADF');
  for (;;) {
    const result = tessalyFs.call(() => require('fs').writeSync(fd, HEAPU8, bytes, size, null));
    if (result !== -tessalyFs.errno('EAGAIN')) return result;
    tessalyFs.pause();
  }
});

EM_JS(int, node_sync, (int fd), {
  return tessalyFs.call(() => { require('fs').fsyncSync(fd); return 0; });
});

EM_JS(int, node_change_owner, (int fd, int owner, int group), {
  return tessalyFs.call(() => { require('fs').fchownSync(fd, owner, group); return 0; });
});

EM_JS(int, node_change_mode, (int fd, int mode), {
  return tessalyFs.call(() => { require('fs').fchmodSync(fd, mode); return 0; });
});

// mkstemp: six random letters or digits in place of the XXXXXX, created exclusively.
EM_JS(int, node_create_unique, (char* pattern), {
  const fs = require('fs');
  const c = fs.constants;
  const end = HEAPU8.indexOf(0, pattern);
  const letters = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789';
  let result = 0;
  for (let attempt = 0; attempt < 100; ++attempt) {
    const random = require('crypto').randomBytes(6);
    for (let i = 0; i < 6; ++i) HEAPU8[end - 6 + i] = letters.charCodeAt(random[i] % letters.length);
    result = tessalyFs.call(() => fs.openSync(tessalyFs.path(pattern),
                                              c.O_RDWR | c.O_CREAT | c.O_EXCL, 0o600));
    if (result !== -tessalyFs.errno('EEXIST')) return result;
  }
  return result;
});

EM_JS(int, node_rename, (const char* from, const char* to), {
  return tessalyFs.call(() => {
    require('fs').renameSync(tessalyFs.path(from), tessalyFs.path(to));
    return 0;
  });
});

EM_JS(int, node_remove, (const char* path), {
  return tessalyFs.call(() => { require('fs').unlinkSync(tessalyFs.path(path)); return 0; });
});

EM_JS(int, node_opened_name, (int fd, char* buffer, int size), {
  return tessalyFs.call(() => {
    const name = require('fs').readlinkSync('/proc/self/fd/' + fd, { encoding: 'buffer' });
    if (name.length >= size) return -tessalyFs.errno('ENAMETOOLONG');
    HEAPU8.set(name, buffer);
    return name.length;
  });
});

EM_JS(int, node_creation_mask, (), {
  return process.umask();
});

EM_JS(int, node_effective_user, (), {
  return process.geteuid();
});
// clang-format on

namespace tessaly::file_system {

namespace {

// Linux's error numbers, as Node reports them, and the runtime's own for the same errors.
struct ErrorNumber {
  int linux_number;
  int runtime_number;
};
constexpr ErrorNumber kErrorNumbers[] = {
    {1, EPERM},       {2, ENOENT},   {4, EINTR},         {5, EIO},        {6, ENXIO},
    {9, EBADF},       {11, EAGAIN},  {12, ENOMEM},       {13, EACCES},    {16, EBUSY},
    {17, EEXIST},     {18, EXDEV},   {19, ENODEV},       {20, ENOTDIR},   {21, EISDIR},
    {22, EINVAL},     {24, EMFILE},  {26, ETXTBSY},      {27, EFBIG},     {28, ENOSPC},
    {30, EROFS},      {32, EPIPE},   {36, ENAMETOOLONG}, {39, ENOTEMPTY}, {40, ELOOP},
    {95, EOPNOTSUPP}, {122, EDQUOT},
};

// The system call's convention: -1 and errno.
int answer(int result) {
  if (result >= 0) return result;
  errno = EIO;
  for (const ErrorNumber& known : kErrorNumbers) {
    if (known.linux_number == -result) errno = known.runtime_number;
  }
  return -1;
}

int facts(int fd, const char* path, struct stat* out) {
  int mode = 0;
  int owner = 0;
  int group = 0;
  if (answer(node_facts(fd, path, &mode, &owner, &group)) != 0) return -1;
  out->st_mode = static_cast<mode_t>(mode);
  out->st_uid = static_cast<uid_t>(owner);
  out->st_gid = static_cast<gid_t>(group);
  return 0;
}

}  // namespace

int open_file(const char* path, OpenFor purpose, mode_t mode) {
  return answer(node_open(path, static_cast<int>(purpose), static_cast<int>(mode)));
}
int close_file(int fd) {
  return answer(node_close(fd));
}
int file_facts(int fd, struct stat* out) {
  return facts(fd, nullptr, out);
}
int link_facts(const char* path, struct stat* out) {
  return facts(-1, path, out);
}
long read_some(int fd, void* buffer, std::size_t size) {
  return answer(node_read(fd, buffer, static_cast<int>(size)));
}
long write_some(int fd, const void* bytes, std::size_t size) {
  return answer(node_write(fd, bytes, static_cast<int>(size)));
}
int sync_file(int fd) {
  return answer(node_sync(fd));
}
int change_owner(int fd, uid_t owner, gid_t group) {
  return answer(node_change_owner(fd, static_cast<int>(owner), static_cast<int>(group)));
}
int change_mode(int fd, mode_t mode) {
  return answer(node_change_mode(fd, static_cast<int>(mode)));
}
int create_unique(char* pattern) {
  return answer(node_create_unique(pattern));
}
int rename_file(const char* from, const char* to) {
  return answer(node_rename(from, to));
}
int remove_file(const char* path) {
  return answer(node_remove(path));
}

bool opened_name(int fd, std::string& name) {
  char buffer[PATH_MAX];
  const int length = answer(node_opened_name(fd, buffer, static_cast<int>(sizeof buffer)));
  if (length < 0) return false;
  name.assign(buffer, static_cast<std::size_t>(length));
  return true;
}

mode_t creation_mask() {
  return static_cast<mode_t>(node_creation_mask());
}
uid_t effective_user() {
  return static_cast<uid_t>(node_effective_user());
}

}  // namespace tessaly::file_system
