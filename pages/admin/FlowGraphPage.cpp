#include "FrmTestTKVU.h"

void TFrmTestTKV::BuildFlowGraphPage(QWidget*) {}
