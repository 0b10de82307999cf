#pragma once
#include <array>
#include <cstdint>

#include "FlowLogRecord.h"

// What the flow graph shows: five series of 1000 samples (zero = nothing to
// draw) and the index of the newest sample, one pixel per sample.
struct FlowGraphBuffers {
  static constexpr int kSeries = 5;
  static constexpr int kLength = 1000;

  std::array<std::array<int32_t, kLength>, kSeries> Series{};
  int SampleIndex = 0;

  void Clear();
  // The record's five graphed values become the next sample. Index 0 is never
  // written; when the index reaches 750 the graph scrolls left by 100 samples
  // and the sample lands at 650, so at most 749 samples are shown.
  void AddSample(const flowlog::Record& record);
};
