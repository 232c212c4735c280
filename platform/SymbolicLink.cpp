#include "platform/SymbolicLink.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace velmar::platform::core::os {

bool ReadSymbolicLink(const QString& path, QString* target) {
    if (path.isEmpty() || target == nullptr)
        return false;
    QByteArray native = QFile::encodeName(path);
    struct stat status;
    if (lstat(native.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
        return false;
    // The stored target may be longer than the size lstat reports (procfs links report 0).
    std::vector<char> buffer(status.st_size > 0 ? static_cast<size_t>(status.st_size) + 1 : 256);
    for (;;) {
        ssize_t length = readlink(native.constData(), buffer.data(), buffer.size());
        if (length < 0)
            return false;
        if (static_cast<size_t>(length) < buffer.size()) {
            *target = QFile::decodeName(QByteArray(buffer.data(), static_cast<int>(length)));
            return true;
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace velmar::platform::core::os
