#pragma once
// The controls of the Variants parameters page; part of the main window (TFrmTestTKV).
class QPushButton;

struct VariantsParamsPageControls {
};
