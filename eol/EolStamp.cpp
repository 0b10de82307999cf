#include "EolStamp.h"

#include <initializer_list>

#include "EepromLayout.h"

namespace {
constexpr int kConfigDate = 281;  // 281..286: day, month, year, hour, minute, second
constexpr uint8_t kFixedTable[layout::kFixedTableSize] = {113, 112, 109, 108, 106,
                                                          102, 100, 99,  97,  93};

void Put(std::array<uint8_t, 512>& image, int first, std::initializer_list<int> bytes) {
  size_t at = static_cast<size_t>(first);
  for (int b : bytes) image[at++] = static_cast<uint8_t>(b);
}
}  // namespace

void StampFactoryData(std::array<uint8_t, 512>& image, const std::array<uint8_t, 4>& serial,
                      const QDateTime& now) {
  const QDate d = now.date();
  const QTime t = now.time();
  const int year = d.year() % 1000 % 100;
  Put(image, layout::kSerialCopy, {serial[0], serial[1], serial[2], serial[3]});
  Put(image, layout::kSerialNumber, {serial[0], serial[1], serial[2], serial[3]});
  Put(image, layout::kManufDate, {d.day(), d.month(), year, t.hour(), t.minute()});
  Put(image, kConfigDate, {d.day(), d.month(), year, t.hour(), t.minute(), t.second()});
  for (int i = 0; i < layout::kFixedTableSize; ++i)
    image[static_cast<size_t>(layout::kFixedTable + i)] = kFixedTable[i];
}
