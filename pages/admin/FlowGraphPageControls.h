#pragma once
// The controls of the Flow graph page (TabSheet9); part of the main window (TFrmTestTKV).
class QPushButton;

struct FlowGraphPageControls {
};
