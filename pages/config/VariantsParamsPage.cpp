#include "FrmTestTKVU.h"

void TFrmTestTKV::BuildVariantsParamsPage(QWidget*) {}
