#pragma once

#include <QString>

namespace velmar::platform::core::os {

// The target stored in a symbolic link, exactly as stored (one level, not resolved). False
// when the path is not a symbolic link or cannot be read.
bool ReadSymbolicLink(const QString& path, QString* target);

} // namespace velmar::platform::core::os
