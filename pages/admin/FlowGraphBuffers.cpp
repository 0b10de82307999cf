#include "FlowGraphBuffers.h"

#include <algorithm>

#include "FlowGraphSeries.h"

namespace {
constexpr int kScrollAt = 750;
constexpr int kScrollBy = 100;
}  // namespace

void FlowGraphBuffers::Clear() {
  for (auto& series : Series) series.fill(0);
  SampleIndex = 0;
}

void FlowGraphBuffers::AddSample(const flowlog::Record& record) {
  if (++SampleIndex == kScrollAt) {
    SampleIndex = kScrollAt - kScrollBy;
    for (auto& series : Series) {
      std::copy(series.begin() + kScrollBy, series.begin() + kScrollAt, series.begin());
      std::fill(series.begin() + SampleIndex, series.begin() + kScrollAt, 0);
    }
  }
  for (int s = 0; s < kSeries; ++s) Series[s][SampleIndex] = record[kFlowGraphSeries[s].recordValue];
}
