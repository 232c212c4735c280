#pragma once

// Everything the widgets library exports: input fields for quantities, for Qt Widgets hosts.
// The library is optional: it is built and installed where Qt 6 Widgets is found, as the target
// ViVuzaZadurUI::Widgets of the ViVuzaZadurUI CMake package
// (find_package(ViVuzaZadurUI CONFIG REQUIRED COMPONENTS Widgets)).
#include <ViVuzaZadurUIWidgets/QuantityLineEdit.h>
#include <ViVuzaZadurUIWidgets/QuantityValidator.h>
