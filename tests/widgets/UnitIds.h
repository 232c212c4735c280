#pragma once

// The catalogue's unit and display ids that the widget tests type into and show.
namespace widgettest {

constexpr int kMeter = 0x2001;
constexpr int kInch = 0x2016;
constexpr int kFeetInchFraction = 0x702016;
constexpr int kDegree = 0x8002;
constexpr int kDegreesMinutesSeconds = 0x408002;
constexpr int kBearing = 0x508002;
constexpr int kKelvin = 0x2a001;
constexpr int kCelsius = 0x22a002;
constexpr int kPascal = 0x2100e;
constexpr int kKilopascal = 0x221008;
constexpr int kAcceleration = 0x30001;
constexpr int kMeterPerSecondSquared = 0x230001;

} // namespace widgettest
