#include "FrmTestTKVU.h"

void TFrmTestTKV::BuildFlowLogPage(QWidget*) {}
