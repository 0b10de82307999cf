#include "FrmTestTKVU.h"

void TFrmTestTKV::BuildAdmin2Page(QWidget*) {}
