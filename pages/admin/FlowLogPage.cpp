// The Admin #3 page: the flow log capture's settings, the record lists of
// both channels with their headings, the small graph, CLEAR and SAVE FILES.
// The capture itself is in FlowLogCapture.cpp.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <utility>

#include "ConsoleMemo.h"
#include "FlowLogRecord.h"
#include "FrmTestTKVU.h"
#include "GraphPanel.h"
#include "PaintBox.h"
#include "Place.h"
#include "RadioGroup.h"

namespace {

QFont ListFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(8);
  return font;
}

// A one-line memo of column headings that follows its list when the list scrolls sideways.
QPlainTextEdit* PlaceHeadings(QWidget* page, const char* name, const QRect& geometry,
                              ConsoleMemo* list) {
  auto* headings = Place<QPlainTextEdit>(page, name, geometry);
  headings->setReadOnly(true);
  headings->setLineWrapMode(QPlainTextEdit::NoWrap);
  headings->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  headings->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  headings->setFont(ListFont());
  headings->setFrameShape(QFrame::NoFrame);
  headings->document()->setDocumentMargin(list->document()->documentMargin());
  QObject::connect(list->horizontalScrollBar(), &QScrollBar::valueChanged,
                   headings->horizontalScrollBar(), &QScrollBar::setValue);
  return headings;
}

ConsoleMemo* PlaceList(QWidget* page, const char* name, const QRect& geometry) {
  auto* list = Place<ConsoleMemo>(page, name, geometry);
  list->setFont(ListFont());
  return list;
}

}  // namespace

void TFrmTestTKV::BuildFlowLogPage(QWidget* page) {
  cboFlowLog = Place<QCheckBox>(page, "cboFlowLog", QRect(8, 8, 90, 18), "Capture Log");
  lblLogRate = Place<QLabel>(page, "lblLogRate", QRect(100, 10, 80, 16), "Log Rate(ms):");
  edtFlowLogRate = Place<QLineEdit>(page, "edtFlowLogRate", QRect(182, 6, 46, 22));
  edtFlowLogRate->setText(QStringLiteral("300"));
  lblIncSpeed = Place<QLabel>(page, "lblIncSpeed", QRect(236, 10, 130, 16), "Inc speed every(#log):");
  edtFlowLogIncSpeed = Place<QLineEdit>(page, "edtFlowLogIncSpeed", QRect(368, 6, 40, 22));
  edtFlowLogIncSpeed->setText(QStringLiteral("100"));
  lblFan1Speed = Place<QLabel>(page, "lblFan1Speed", QRect(416, 10, 70, 16), "Fan 1 speed");
  edtFlowLogFan1 = Place<QLineEdit>(page, "edtFlowLogFan1", QRect(488, 6, 30, 22));
  edtFlowLogFan1->setText(QStringLiteral("1"));
  lblFan2Speed = Place<QLabel>(page, "lblFan2Speed", QRect(526, 10, 70, 16), "Fan 2 speed");
  edtFlowLogFan2 = Place<QLineEdit>(page, "edtFlowLogFan2", QRect(598, 6, 30, 22));
  edtFlowLogFan2->setText(QStringLiteral("1"));
  btnClearFlowLog = Place<QPushButton>(page, "btnClearFlowLog", QRect(636, 4, 80, 25), "CLEAR");
  Button27 = Place<QPushButton>(page, "Button27", QRect(720, 4, 80, 25), "SAVE FILES");
  rgFlowLog = new RadioGroup(page, QStringLiteral("channel graph"),
                             {QStringLiteral("channel 1"), QStringLiteral("channel 2")}, 2);
  rgFlowLog->setObjectName(QStringLiteral("rgFlowLog"));
  rgFlowLog->setGeometry(806, 0, 198, 34);
  rgFlowLog->SetItemIndex(0);

  memFlowLog1 = PlaceList(page, "memFlowLog1", QRect(8, 56, 496, 176));
  memFlowLog2 = PlaceList(page, "memFlowLog2", QRect(508, 56, 496, 176));
  memShowLogCol1 = PlaceHeadings(page, "memShowLogCol1", QRect(9, 37, 476, 18), memFlowLog1);
  memShowLogCol2 = PlaceHeadings(page, "memShowLogCol2", QRect(509, 37, 476, 18), memFlowLog2);

  const GraphPanel graph =
      PlaceGraphPanel(page, "pnlShowFlowLog", "pb", QPoint(8, 236), QSize(781, 117));
  pnlShowFlowLog = graph.panel;
  pb = graph.box;
  pb->setMaximumWidth(800);
  pb->SetPaintHandler([this](PaintBox* box) { pbFlow2Paint(box); });

  tmrFlowLog = new QTimer(this);
  tmrFlowLog->setObjectName(QStringLiteral("tmrFlowLog"));

  // Toggled, not clicked: unticking the box from code stops the capture too.
  // The main window's FULL DIAGNOSTIC and TEST ALARMS boxes share the handler.
  Wire(cboFlowLog, &QCheckBox::toggled, &TFrmTestTKV::cboFlowLogClick);
  Wire(chkfulldiag, &QCheckBox::toggled, &TFrmTestTKV::cboFlowLogClick);
  Wire(chktestalarms, &QCheckBox::toggled, &TFrmTestTKV::cboFlowLogClick);
  Wire(tmrFlowLog, &QTimer::timeout, &TFrmTestTKV::tmrFlowLogTimer);
  Wire(btnClearFlowLog, &QPushButton::clicked, &TFrmTestTKV::btnClearFlowLogClick);
  Wire(Button27, &QPushButton::clicked, &TFrmTestTKV::Button27Click);
  Wire(graph.saveAction, &QAction::triggered, &TFrmTestTKV::mnuSaveGraphClick);
  // A change of channel, by a click or from code; choosing the chosen one again is none.
  connect(rgFlowLog->findChild<QButtonGroup*>(), &QButtonGroup::idToggled, this,
          [this](int, bool chosen) {
            if (chosen) RunGuarded(dialogs(), [this] { rgFlowLogClick(rgFlowLog); });
          });
  // ABORT and the capture stop timer end a capture through cboFlowLog.
  BuildCaptureStop();
}

void TFrmTestTKV::btnClearFlowLogClick(QObject*) {
  memFlowLog1->ClearLines();
  memFlowLog2->ClearLines();
  memShowLogCol1->setPlainText(flowlog::HeaderLine());
  memShowLogCol2->setPlainText(memShowLogCol1->toPlainText());
  FlowGraph.Clear();
  pb->update();
  pbFlow2->update();
}

void TFrmTestTKV::rgFlowLogClick(QObject*) { btnClearFlowLogClick(nullptr); }

// Every press puts the headings above the lists once more, and into the files.
void TFrmTestTKV::Button27Click(QObject*) {
  const std::pair<ConsoleMemo*, QPlainTextEdit*> lists[] = {{memFlowLog1, memShowLogCol1},
                                                            {memFlowLog2, memShowLogCol2}};
  for (const auto& [list, headings] : lists) {
    const QStringList lines = list->Lines();
    list->ClearLines();
    const QString breakLine = QStringLiteral("\r\n");
    list->AddLines(headings->toPlainText() + breakLine + lines.join(breakLine));
  }
  memFlowLog1->SaveToFile(QStringLiteral("channel1.txt"));
  memFlowLog2->SaveToFile(QStringLiteral("channel2.txt"));
  dialogs().Message(MessageKind::Information, QStringLiteral("Files saved!"));
}
