#include "Variants.h"

namespace sim {
namespace {

// A stand-alone detector reports its last sensor poll ("normal" = 1); the others
// report remote outputs or a base relay, off when healthy.
constexpr VariantTraits kVariants[] = {
    {Variant::StandAlone, "stand-alone", 0x41, 0, 1, 1},
    {Variant::LoopBased, "loop-based", 0x42, 23, 0, 0},
    {Variant::Zandt, "zandt", 0x43, 0, 0, 0},
    {Variant::Quib, "quib", 0x44, 17, 0, 0},
};

}  // namespace

const VariantTraits& TraitsOf(Variant variant) {
  for (const VariantTraits& t : kVariants)
    if (t.variant == variant) return t;
  return kVariants[0];
}

const VariantTraits* FindVariant(const std::string& name) {
  for (const VariantTraits& t : kVariants)
    if (name == t.name) return &t;
  return nullptr;
}

}  // namespace sim
