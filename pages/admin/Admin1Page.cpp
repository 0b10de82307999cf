#include "FrmTestTKVU.h"

void TFrmTestTKV::BuildAdmin1Page(QWidget*) {}
