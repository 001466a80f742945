// The few system calls the data files and the safe writer make, by purpose. The native build
// makes them directly (file_system_posix.cpp); the Node renderer makes the same calls through
// Node (web/file_system_node.cpp), whose descriptors are the kernel's own, so that both builds
// harm nothing and fail alike. Every call returns -1 (or false) with errno set on failure.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <string>

namespace tessaly::file_system {

enum class OpenFor {
  kLooking,        // O_PATH: the kernel resolves the name and applies its link rules
  kWriting,        // a device or FIFO, waiting for a FIFO's reader
  kWritingAtOnce,  // the same, failing at once where a FIFO has no reader
  kCreating,       // the file a dangling link names (O_CREAT with `mode`)
  kSyncingFolder,  // a folder, to sync its entries
  kReadingAtOnce,  // a data file, never waiting for a FIFO's writer
};

int open_file(const char* path, OpenFor purpose, mode_t mode = 0);
int close_file(int fd);
// The type, mode, owner and group (the other fields are left as they are).
int file_facts(int fd, struct stat* facts);
int link_facts(const char* path, struct stat* facts);  // lstat
long read_some(int fd, void* buffer, std::size_t size);
long write_some(int fd, const void* bytes, std::size_t size);
int sync_file(int fd);
int change_owner(int fd, uid_t owner, gid_t group);
int change_mode(int fd, mode_t mode);
// mkstemp: fills in the XXXXXX at the end of `pattern`, creates the file exclusively, 0600.
int create_unique(char* pattern);
int rename_file(const char* from, const char* to);
int remove_file(const char* path);
// The name the kernel reached when it opened `fd` through a path.
bool opened_name(int fd, std::string& name);
mode_t creation_mask();
uid_t effective_user();

}  // namespace tessaly::file_system
