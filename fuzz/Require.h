#pragma once
#include <cstdio>
#include <cstdlib>

// A broken promise of the code under fuzzing: said, then reported to the
// fuzzer as a crash, with the input that caused it.
inline void Require(bool kept, const char* promise) {
  if (kept) return;
  std::fprintf(stderr, "broken: %s\n", promise);
  std::abort();
}
