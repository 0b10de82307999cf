#pragma once
#include <QDateTime>
#include <array>
#include <cstdint>

// What the end-of-line test stamps into a new unit's image (EEPROM 0..511):
// the serial number in [LOB] and [FCT], the manufacturing date (day, month,
// two-digit year, hour, minute), the configuration date (the same and the
// second) and the factory's fixed table. Checksums are left to the caller.
void StampFactoryData(std::array<uint8_t, 512>& image, const std::array<uint8_t, 4>& serial,
                      const QDateTime& now);
