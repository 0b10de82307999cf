#pragma once
// The controls of the Admin #2 page (TabSheet2); part of the main window (TFrmTestTKV).
class QPushButton;

struct Admin2PageControls {
};
