#pragma once

// Marks the classes that libViVuzaZadurUIWidgets exports. The library is built with hidden
// visibility, so everything without this mark stays inside it.
#define VIVUZAZADURUIWIDGETS_EXPORT __attribute__((visibility("default")))
