#pragma once
#include <QString>

// The text of a sensor status value for a device of the given variant (as
// GetVariant returns it, -1 when refused). A stand-alone detector reports
// what its sensor last answered; every other kind only whether the sensor's
// output is active.
QString SensorStatusTextFor(int variant, int value);
