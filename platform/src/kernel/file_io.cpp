// Whole-file reads and atomic writes on POSIX files.
#include "platform/file_io.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

OSErr ErrorFromErrno(int e) {
    switch (e) {
    case ENOENT:
        return fnfErr;
    case ENOSPC:
        return dskFulErr;
    case ENOTDIR:
        return dirNFErr;
    case EACCES:
    case EPERM:
    case EROFS:
        return permErr;
    default:
        return ioErr;
    }
}

// Armed test faults: per step, the number of matching steps still to pass before one fails (-1 none).
int gFaultCountdown[4] = {-1, -1, -1, -1};
bool gFaultArmed = false;

// A path whose reads fail as for a file the user may not read; empty for none.
std::string gUnreadablePath;

// Opens a file for reading, unless a test made it unreadable.
int OpenForReading(const std::string& path) {
    if (!gUnreadablePath.empty() && path == gUnreadablePath) {
        errno = EACCES;
        return -1;
    }
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

bool FireArmedFault(FileFaultStep step) {
    int& countdown = gFaultCountdown[int(step)];
    if (countdown < 0 || countdown-- > 0) return false;
    gFaultArmed = false;
    for (int c : gFaultCountdown)
        gFaultArmed = gFaultArmed || c >= 0;
    switch (step) {
    case FileFaultStep::kOpen:
    case FileFaultStep::kRename:
        errno = EACCES;
        break;
    case FileFaultStep::kWrite:
        errno = ENOSPC;
        break;
    case FileFaultStep::kSync:
        errno = EIO;
        break;
    }
    return true;
}

// True, with errno set as the real failure would set it, when an armed fault of this step fails it now.
inline bool FaultFires(FileFaultStep step) {
    return gFaultArmed && FireArmedFault(step);
}

bool WriteAll(int fd, const UInt8* p, size_t n) {
    while (n > 0) {
        ssize_t done = ::write(fd, p, n);
        if (done < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += done;
        n -= size_t(done);
    }
    return true;
}

} // namespace

OSErr ReadWholeFile(const std::string& path, std::vector<UInt8>& out) {
    out.clear();
    int fd = OpenForReading(path);
    if (fd < 0) return ErrorFromErrno(errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return S_ISDIR(info.st_mode) ? fnfErr : ioErr;
    }
    out.resize(size_t(info.st_size));
    size_t got = 0;
    while (got < out.size()) {
        ssize_t n = ::read(fd, out.data() + got, out.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += size_t(n);
    }
    ::close(fd);
    if (got != out.size()) {
        out.clear();
        return ioErr;
    }
    return noErr;
}

OSErr ReadFileStart(const std::string& path, size_t count, std::vector<UInt8>& out) {
    out.assign(count, 0);
    int fd = OpenForReading(path);
    if (fd < 0) {
        out.clear();
        return ErrorFromErrno(errno);
    }
    size_t got = 0;
    int readErrno = 0;
    while (got < count) {
        ssize_t n = ::read(fd, out.data() + got, count - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) readErrno = errno;
        if (n <= 0) break;
        got += size_t(n);
    }
    ::close(fd);
    out.resize(got);
    if (readErrno == 0) return noErr;
    out.clear();
    // A folder opens but has no bytes to read.
    return readErrno == EISDIR ? OSErr(fnfErr) : OSErr(ioErr);
}

OSErr WriteFileBeside(const std::string& path, std::span<const UInt8> bytes, std::string& tempPath) {
    tempPath.clear();
    std::string temp = path + ".saving-XXXXXX";
    int fd = FaultFires(FileFaultStep::kOpen) ? -1 : ::mkstemp(temp.data());
    if (fd < 0) return errno == ENOENT ? OSErr(dirNFErr) : ErrorFromErrno(errno);

    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat old {};
    mode_t mode = 0666;
    if (::stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(fd, mode);

    bool ok;
    if (FaultFires(FileFaultStep::kWrite)) {
        // A disk filling up mid-way: part of the bytes reach the file.
        WriteAll(fd, bytes.data(), bytes.size() / 2);
        errno = ENOSPC;
        ok = false;
    } else {
        ok =
            WriteAll(fd, bytes.data(), bytes.size()) && !FaultFires(FileFaultStep::kSync) && ::fsync(fd) == 0;
    }
    int writeErrno = errno;
    if (::close(fd) != 0) {
        ok = false;
        writeErrno = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return ErrorFromErrno(writeErrno);
    }
    tempPath = std::move(temp);
    return noErr;
}

OSErr RenameFile(const std::string& from, const std::string& to) {
    if (FaultFires(FileFaultStep::kRename) || ::rename(from.c_str(), to.c_str()) != 0)
        return ErrorFromErrno(errno);
    // Make the rename itself durable.
    std::string folder = std::filesystem::path(to).parent_path().string();
    int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return noErr;
}

OSErr DeleteFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? OSErr(noErr) : ErrorFromErrno(errno);
}

OSErr WriteFileAtomically(const std::string& path, std::span<const UInt8> bytes) {
    std::string temp;
    if (OSErr err = WriteFileBeside(path, bytes, temp); err != noErr) return err;
    if (OSErr err = RenameFile(temp, path); err != noErr) {
        ::unlink(temp.c_str());
        return err;
    }
    return noErr;
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

const char* DescribeFileError(OSErr err) {
    switch (err) {
    case noErr:
        return "no error";
    case fnfErr:
        return "no such file";
    case dirNFErr:
        return "no such folder";
    case permErr:
        return "permission denied";
    case dskFulErr:
        return "the disk is full";
    default:
        return "input/output error";
    }
}

void InjectFileFault(FileFaultStep step, int skip) {
    gFaultCountdown[int(step)] = skip < 0 ? 0 : skip;
    gFaultArmed = true;
}

void ClearFileFaults() {
    for (int& c : gFaultCountdown)
        c = -1;
    gFaultArmed = false;
    gUnreadablePath.clear();
}

void MakeFileUnreadable(const std::string& path) {
    gUnreadablePath = path;
}

bool FileFaultPending() {
    return gFaultArmed;
}
