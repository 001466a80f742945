// Node 18 and later offer fetch, which the loader would try on a file path; the module is
// inlined, so Node's own file reading is all it needs.
if (typeof process === 'object' && typeof globalThis.fetch === 'function') {
  globalThis.fetch = undefined;
}

// What the file system calls of file_system_node.cpp share.
var tessalyFs = {
  // Linux's O_PATH, which Node's constants leave out.
  O_PATH: 0o10000000,
  // A path as the bytes the C++ side holds: a name need not be UTF-8.
  path: (address) => Buffer.from(HEAPU8.subarray(address, HEAPU8.indexOf(0, address))),
  // Linux's number for an error code; file_system_node.cpp turns them into the runtime's.
  errno: (code) => require('os').constants.errno[code],
  // The call's result, or minus Linux's error number (which Node gives as a negative errno).
  call: (work) => {
    try {
      return work();
    } catch (error) {
      if (!error || typeof error.errno !== 'number' || error.errno >= 0) throw error;
      return error.errno;
    }
  },
  pause: () => Atomics.wait(new Int32Array(new SharedArrayBuffer(4)), 0, 0, 1),
  // Node opens /dev/null for reading and writing on a standard descriptor that was closed
  // when it started; a shell's redirection to /dev/null opens it for one or the other.
  closedAtStart: (fd) => {
    const fs = require('fs');
    try {
      const info = fs.readFileSync('/proc/self/fdinfo/' + fd, 'latin1');
      const flags = parseInt(/^flags:\s*([0-7]+)/m.exec(info)[1], 8);
      const accessMode = 3;  // O_ACCMODE, which Node's constants leave out
      return (flags & accessMode) === fs.constants.O_RDWR && fs.fstatSync(fd).rdev === 259;
    } catch (error) {
      return false;
    }
  },
};
