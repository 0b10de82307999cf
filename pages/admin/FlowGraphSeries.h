#pragma once
#include <QColor>
#include <array>

// The five quantities of the flow records that the flow graph shows, in
// drawing order, with their colour, vertical scale and legend.
struct FlowGraphSeries {
  int recordValue;  // which of the record's 18 values
  QColor colour;
  // The vertical scale; the first two series take theirs from the "limits A-R"
  // boxes, and these are their defaults.
  int lo, hi;
  const char* legend;
};

constexpr int kAndataLo = 20500, kAndataHi = 25000;

inline const std::array<FlowGraphSeries, 5> kFlowGraphSeries = {{
    {1, QColor(0, 0, 255), kAndataLo, kAndataHi, "ANDATA"},       // A
    {2, QColor(255, 0, 0), kAndataLo, kAndataHi, "RITORNO"},      // R
    {5, QColor(0, 0, 0), 0, 600, "DIFFERENZA"},                   // dA
    {6, QColor(0, 128, 0), 50, 400, "TERMISTORE"},                // dR
    {11, QColor(128, 128, 128), 0, 140, "DUTY"},                  // pulse
}};

// How many series take their scale from the limit boxes.
constexpr int kAndataSeries = 2;
