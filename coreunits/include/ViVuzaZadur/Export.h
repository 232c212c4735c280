#pragma once

// Marks the classes that libViVuzaZadur exports. The library is built with hidden visibility,
// so everything without this mark stays inside it.
#define VIVUZAZADUR_EXPORT __attribute__((visibility("default")))
