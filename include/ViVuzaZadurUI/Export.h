#pragma once

// Marks the classes that libViVuzaZadurUI exports. The library is built with hidden
// visibility, so everything without this mark stays inside it.
#define VIVUZAZADURUI_EXPORT __attribute__((visibility("default")))
