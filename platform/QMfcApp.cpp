#include "platform/QMfcApp.h"

namespace velmar::platform::core::os {

namespace {
int calls = 0;
}

bool QMfcApp::pluginInstance(ModuleHandle) {
    ++calls;
    return false;
}

int QMfcApp::pluginInstanceCalls() {
    return calls;
}

} // namespace velmar::platform::core::os
