#pragma once
// The controls of the Admin #3 page (TabSheet6): the flow log capture; part of the main window (TFrmTestTKV).
class QPushButton;

struct FlowLogPageControls {
};
