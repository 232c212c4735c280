#pragma once

// Everything the core units library exports.
#include <ViVuzaZadur/GenericConverter.h>
#include <ViVuzaZadur/UnitConverter.h>
#include <ViVuzaZadur/UnitsConfig.h>
#include <ViVuzaZadur/UnitsTypes.h>
#include <ViVuzaZadur/UnitsUtilities.h>
