#include "platform/FileStamp.h"

#include <QFile>

#include <sys/stat.h>

namespace velmar::platform::core::os {

namespace {

FileStamp StampFrom(const struct stat& status) {
    FileStamp stamp;
    stamp.device = status.st_dev;
    stamp.inode = status.st_ino;
    stamp.size = status.st_size;
    stamp.modifiedNs =
        static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL + status.st_mtim.tv_nsec;
    return stamp;
}

} // namespace

FileStamp StampOf(const QString& path) {
    struct stat status;
    if (path.isEmpty() || stat(QFile::encodeName(path).constData(), &status) != 0)
        return FileStamp();
    return StampFrom(status);
}

Entry ProbeEntry(const QString& path, FileStamp* stamp) {
    struct stat status;
    if (path.isEmpty() || lstat(QFile::encodeName(path).constData(), &status) != 0)
        return Entry::Missing;
    if (S_ISLNK(status.st_mode))
        return Entry::SymbolicLink;
    *stamp = StampFrom(status);
    return Entry::Other;
}

} // namespace velmar::platform::core::os
