#pragma once

#include "platform/LoadedModule.h"

namespace velmar::platform::core::os {

// Stand-in for the MFC migration framework's application class. On this platform there is no
// MFC module to hand over, so pluginInstance does nothing but count its calls.
class QMfcApp {
public:
    static bool pluginInstance(ModuleHandle module);
    // How often pluginInstance was called in this process.
    static int pluginInstanceCalls();
};

} // namespace velmar::platform::core::os
