#include "FrmTestTKVU.h"

void TFrmTestTKV::BuildCommonParamsPage(QWidget*) {}
