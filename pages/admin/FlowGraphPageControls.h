#pragma once
// The controls of the Flow graph page (TabSheet9) and the samples both graphs
// show; part of the main window (TFrmTestTKV).
#include "FlowGraphBuffers.h"

class PaintBox;
class QFrame;
class QLabel;
class QLineEdit;

struct FlowGraphPageControls {
  QFrame* pnlFlowLog2;  // white panel of the large graph
  PaintBox* pbFlow2;
  // The colour legend, one label per series.
  QLabel* lblAndata;
  QLabel* lblRitorno;
  QLabel* lblDifferenza;
  QLabel* lblTermistore;
  QLabel* lblDuty;
  QLabel* lblLimits;  // "limits A-R"
  QLineEdit* edtAndataMin;
  QLineEdit* edtAndataMax;
  // Filled by the capture on the Admin #3 page, drawn by both paint boxes.
  FlowGraphBuffers FlowGraph;
};
