#include "FactoryImage.h"

#include <cstring>
#include <initializer_list>

#include "Areas.h"
#include "MemoryMap.h"
#include "Variants.h"

namespace sim {
namespace {

struct Bytes {
  int address;
  std::initializer_list<uint8_t> values;
};

void Put(std::vector<uint8_t>& image, const Bytes& b) {
  int a = b.address;
  for (uint8_t v : b.values) image[static_cast<size_t>(a++)] = v;
}

void PutLabel(std::vector<uint8_t>& image, int address, const char* text) {
  std::memset(&image[static_cast<size_t>(address)], ' ', 16);  // labels are blank-filled
  std::memcpy(&image[static_cast<size_t>(address)], text, std::strlen(text));
}

constexpr uint8_t kSerial[4] = {23, 4, 1, 87};

// The configuration a commissioning engineer would typically leave behind.
const Bytes kConfiguration[] = {
    {276, {2, 4, 6, 8}},               // user password
    {280, {7, 15, 3, 23, 10, 30, 0}},  // CID 7, 15/03/23 10:30:00
    {291, {60, 10, 60, 0, 2}},  // disable time, maintenance time-out, trend log, mirror, supplies
    {297, {0, 8, 0, 18, 0}},    // day/night off, day 08:00..18:00
    {302, {0, 0, 0, 0, 0, 1, 1}},              // Saturday and Sunday at night
    {309, {1, 1, 25, 12, 26, 12}},             // holidays
    {349, {1, 12, 1, 0, 0, 10, 5, 0, 0, 30}},  // chamber, cut-off, alarm mode, latching, delays
    {359, {5, 5, 3, 3, 4, 4, 2, 2}},           // alarm and prealarm levels, day and night
    {370, {20}},                               // remote output time
    {404, {100, 0, 100, 0, 130, 0, 130, 0, 70, 0, 70}},  // reference, maximum, minimum flows
    {416, {1, 6, 25, 1, 6, 25}},                         // filter due dates
    {426, {2, 31, 3, 0, 2, 0, 27, 10, 0, 3, 0, 1}},  // daylight saving auto, dates, fault latching
    {439, {30, 60, 0, 20}},     // fault delay, flow fault delay, power restart time
    {454, {5, 5}},              // manual fan speeds
    {464, {1, 0, 0, 0, 0, 0}},  // aux fault latching, ext input normal state and event
    {470, {160, 5}},            // 1440 minutes
    {472, {205, 139, 1, 0}},    // 101325 Pa
    {484, {128, 128}},          // flow corrections
    {501, {113, 112, 109, 108, 106, 102, 100, 99, 97, 93}},
};

}  // namespace

std::vector<uint8_t> BuildFactoryImage(Variant variant, int channels) {
  const VariantTraits& traits = TraitsOf(variant);
  const uint8_t two = channels == 2 ? 1 : 0;
  std::vector<uint8_t> image(memory::kImageSize, 0);

  image[0] = traits.loopAddress;
  std::memcpy(&image[14], kSerial, 4);

  Put(image, {256,
              {static_cast<uint8_t>(channels), static_cast<uint8_t>(channels), traits.deviceId,
               static_cast<uint8_t>(variant)}});
  std::memcpy(&image[260], kSerial, 4);
  Put(image,
      {264, {3, 2, 4, 1, 12, 4, 23, 9, 41, 7, 15}});  // schema, versions, made 12/04/23 09:41

  for (const Bytes& b : kConfiguration) Put(image, b);
  Put(image, {287, {1, two, 1, two}});  // channel and sensor enables
  PutLabel(image, 372, "ZONE A");
  PutLabel(image, 388, two ? "ZONE B" : "");

  SealArea(image.data(), memory::kLoopArea);
  SealArea(image.data(), memory::kFactoryArea);
  SealArea(image.data(), memory::kConfigArea);
  return image;
}

}  // namespace sim
