#pragma once

#include <QString>

#include <tuple>

namespace velmar::platform::core::os {

// What tells one version of a file from another: the file's identity on its device, its size
// and its modification time. A file replaced or rewritten in between gets another stamp (as
// far as the file system's clock tells a rewrite). A file that does not exist has the empty
// stamp.
struct FileStamp {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = -1;
    long long modifiedNs = 0;

    auto Tie() const { return std::tie(device, inode, size, modifiedNs); }
    bool operator==(const FileStamp& other) const { return Tie() == other.Tie(); }
    bool operator<(const FileStamp& other) const { return Tie() < other.Tie(); }
};

// The stamp of the file at path, following symbolic links; the empty stamp when there is none.
FileStamp StampOf(const QString& path);

// What is at path itself, without following a symbolic link there: nothing, a symbolic link, or
// anything else (a file, a folder), whose stamp is then set (stamps of other kinds are left
// alone).
enum class Entry { Missing, SymbolicLink, Other };
Entry ProbeEntry(const QString& path, FileStamp* stamp);

} // namespace velmar::platform::core::os
