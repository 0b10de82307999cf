// The order of the machine's serial devices: any names, one per line, must be
// put in one consistent order, or sorting them reads outside the list.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "Require.h"
#include "serial/PortDirectory.h"

namespace {

constexpr size_t kMostNames = 16;  // all triples stay cheap

std::vector<std::string> NamesOf(const uint8_t* input, size_t size) {
  std::vector<std::string> names(1);
  for (size_t i = 0; i < size && names.size() <= kMostNames; ++i) {
    if (input[i] == '\n')
      names.emplace_back();
    else
      names.back() += static_cast<char>(input[i]);
  }
  if (names.size() > kMostNames) names.pop_back();
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size) {
  using serial::NaturalLess;
  std::vector<std::string> names = NamesOf(input, size);
  const size_t n = names.size();
  for (size_t a = 0; a < n; ++a) {
    const std::string& x = names[a];
    Require(!NaturalLess(x, x), "no name comes before itself");
    for (size_t b = 0; b < n; ++b) {
      const std::string& y = names[b];
      const bool xy = NaturalLess(x, y), yx = NaturalLess(y, x);
      Require(!(xy && yx), "of two names only one comes first");
      for (size_t c = 0; c < n; ++c) {
        const std::string& z = names[c];
        if (xy && NaturalLess(y, z)) Require(NaturalLess(x, z), "before is transitive");
        // Names in no order between them (ttyUSB1, ttyUSB01) stand in the same place.
        if (!xy && !yx && !NaturalLess(y, z) && !NaturalLess(z, y))
          Require(!NaturalLess(x, z) && !NaturalLess(z, x), "equal places are transitive");
      }
    }
  }
  std::sort(names.begin(), names.end(), NaturalLess);
  Require(std::is_sorted(names.begin(), names.end(), NaturalLess), "the list ends in order");
  return 0;
}
