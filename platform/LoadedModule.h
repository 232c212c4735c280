#pragma once

#include <QString>

namespace velmar::platform::core::os {

// A shared object loaded into the process, or null.
using ModuleHandle = const void*;

// The loaded shared object of a module name: the name with a trailing ".dll" (any case)
// removed, loaded from a file named lib<name>.so or <name>.so, possibly with a version suffix
// (libfoo.so.1.2). Null when nothing of that name is loaded.
ModuleHandle FindLoadedModule(const QString& moduleName);

// The file path of a loaded module; empty for null or a module no longer loaded.
QString ModuleFileName(ModuleHandle module);

} // namespace velmar::platform::core::os
