#pragma once

// Everything the library exports.
#include <ViVuzaZadur/ViVuzaZadur.h>
#include <ViVuzaZadurUI/LCIDUtil.h>
#include <ViVuzaZadurUI/LocaleUtil.h>
#include <ViVuzaZadurUI/NumberConventions.h>
#include <ViVuzaZadurUI/ParseDiagnostics.h>
#include <ViVuzaZadurUI/ParseProblem.h>
#include <ViVuzaZadurUI/StringUtil.h>
#include <ViVuzaZadurUI/UnitIds.h>
#include <ViVuzaZadurUI/UnitsFormatter.h>
#include <ViVuzaZadurUI/UnitsManager.h>
