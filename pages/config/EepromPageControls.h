#pragma once
// The controls of the EEPROM page; part of the main window (TFrmTestTKV).
class QPushButton;

struct EepromPageControls {
};
