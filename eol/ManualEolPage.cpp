// The Manual EOL page: START, STOP and SAVE LOG, the variant and channels
// under test, the start step, the serial number to stamp, the test log and
// the operator's comments. The test lives in EolProcedure*.cpp, its operator
// primitives in EolConsole.cpp and SAVE LOG in EolLogFile.cpp.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "ConsoleMemo.h"
#include "FrmTestTKVU.h"
#include "ParameterPageLayout.h"

namespace {
void BuildSerialBoxes(TFrmTestTKV& f, QWidget* page) {
  Place<QLabel>(page, "Label184", QRect(8, 196, 180, 17), "serial number");
  struct Box {
    QLineEdit*& edit;
    const char *name, *label;
  };
  const Box boxes[] = {{f.edtSer1, "edtSer1", "- 1- "},
                       {f.edtSer2, "edtSer2", "- 2 - "},
                       {f.edtSer3, "edtSer3", "- 3 - "},
                       {f.edtSer4, "edtSer4", "- 4 - "}};
  int x = 8;
  for (const Box& box : boxes) {
    Place<QLabel>(page, "", QRect(x, 216, 40, 17), box.label);
    box.edit = Place<QLineEdit>(page, box.name, QRect(x, 234, 40, 22));
    box.edit->setText(QStringLiteral("0"));
    x += 46;
  }
}
}  // namespace

void TFrmTestTKV::BuildManualEolPage(QWidget* page) {
  btnStartEOL = Place<QPushButton>(page, "btnStartEOL", QRect(8, 8, 90, 25), "START EOL");
  Button37 = Place<QPushButton>(page, "Button37", QRect(104, 8, 90, 25), "STOP EOL");
  Button38 = Place<QPushButton>(page, "Button38", QRect(8, 300, 186, 25), "SAVE LOG");
  rgEolType = PlaceRadioGroup(page, "rgEolType", QRect(8, 40, 186, 62), " Version ",
                              {"stand alone", "loop based"});
  rgEolType->SetItemIndex(0);
  rgEolChannels = PlaceRadioGroup(page, "rgEolChannels", QRect(8, 106, 186, 62), " #channels ",
                                  {"one channel", "two channels"});
  rgEolChannels->SetItemIndex(1);
  edtStartStep = LabelledEdit(page, "edtStartStep", "Start step:", 8, 172, 80, 40);
  edtStartStep->setText(QStringLiteral("1"));
  BuildSerialBoxes(*this, page);

  Place<QLabel>(page, "Label185", QRect(204, 4, 120, 17), "EOL log");
  memEOL = Place<ConsoleMemo>(page, "memEOL", QRect(204, 22, 560, 340));
  QFont courier(QStringLiteral("Courier New"));
  courier.setStyleHint(QFont::TypeWriter);
  courier.setBold(true);
  memEOL->setFont(courier);
  memEOL->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Place<QLabel>(page, "Label186", QRect(772, 4, 120, 17), "Comments");
  memEOLcomm = Place<QPlainTextEdit>(page, "memEOLcomm", QRect(772, 22, 236, 340));

  // Its interval is set, through the pacing, each time a fixed wait starts it.
  tmrDelay = new QTimer(this);
  tmrDelay->setObjectName(QStringLiteral("tmrDelay"));

  Wire(btnStartEOL, &QPushButton::clicked, &TFrmTestTKV::btnStartEOLClick);
  Wire(Button37, &QPushButton::clicked, &TFrmTestTKV::Button37Click);
  Wire(Button38, &QPushButton::clicked, &TFrmTestTKV::Button38Click);
  Wire(tmrDelay, &QTimer::timeout, &TFrmTestTKV::tmrDelayTimer);
}
