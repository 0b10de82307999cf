#pragma once
// The controls of the Admin #1 page (TabSheet1); part of the main window (TFrmTestTKV).
class QPushButton;

struct Admin1PageControls {
};
