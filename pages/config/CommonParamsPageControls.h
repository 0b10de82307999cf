#pragma once
// The controls of the Common parameters page; part of the main window (TFrmTestTKV).
class QPushButton;

struct CommonParamsPageControls {
};
