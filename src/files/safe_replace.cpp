#include "files/safe_replace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace lumeris {

namespace {

UserText cannotWrite(const std::string& path, int code) {
    return userText("Files", "Cannot write %1: %2").arg(path).arg(std::strerror(code));
}

// A new file next to `path`; created with O_EXCL so that nothing else is ever overwritten.
int createTemporary(const std::string& path, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + ".~" + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".tmp";
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

// The new file keeps the permissions of the one it replaces.
void copyMode(int fd, const std::string& path) {
    struct stat old {};
    if (stat(path.c_str(), &old) == 0)
        fchmod(fd, old.st_mode & 07777);
}

bool writeTemporary(const std::string& path, const std::string& bytes, std::string& name,
                    UserText& error) {
    const int fd = createTemporary(path, name);
    if (fd < 0) { // the temporary name is ours, not the user's: report the file they chose
        error = cannotWrite(path, errno);
        return false;
    }
    copyMode(fd, path);
    const bool written = writeAll(fd, bytes) && fsync(fd) == 0;
    const int code = errno;
    const bool closed = close(fd) == 0;
    if (written && closed)
        return true;
    error = cannotWrite(path, written ? errno : code);
    unlink(name.c_str());
    return false;
}

// The old file becomes the backup. A hard link keeps it under its own name as well, so that
// the final rename replaces it in one step; where links are not possible it is moved.
// Failures here are ignored, as a missing backup never stops a save.
void makeBackup(const std::string& path, const std::string& backup) {
    if (access(path.c_str(), F_OK) != 0)
        return;
    unlink(backup.c_str());
    if (link(path.c_str(), backup.c_str()) != 0)
        std::rename(path.c_str(), backup.c_str());
}

} // namespace

bool replaceKeepingBackup(const std::string& path, const std::string& backup,
                          const std::string& bytes, UserText& error) {
    std::string temporary;
    if (!writeTemporary(path, bytes, temporary, error))
        return false;
    makeBackup(path, backup);
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = cannotWrite(path, errno);
        unlink(temporary.c_str());
        if (access(path.c_str(), F_OK) != 0) // the backup was moved, not linked: undo that
            std::rename(backup.c_str(), path.c_str());
        return false;
    }
    return true;
}

} // namespace lumeris
