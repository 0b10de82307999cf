#include "FrmTestTKVU.h"

void TFrmTestTKV::BuildEepromPage(QWidget*) {}
