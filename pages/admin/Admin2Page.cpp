// The Admin #2 page: polling and testing the stand-alone sensors, the
// analogue monitor and the front-panel LEDs. The handlers live in
// Admin2Sensors.cpp, Admin2Analogue.cpp and Admin2Leds.cpp.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "ConsoleMemo.h"
#include "FrmTestTKVU.h"
#include "LedIcons.h"
#include "LedPanel.h"
#include "LedSelector.h"
#include "ParameterPageLayout.h"
#include "Tag.h"

namespace {

QTimer* NamedTimer(QObject* form, const char* name) {
  auto* timer = new QTimer(form);
  timer->setObjectName(QString::fromLatin1(name));
  return timer;
}

void BuildSensorsBox(TFrmTestTKV& f, QWidget* page) {
  f.grpSensors = Box(page, "grpSensors", QRect(8, 4, 250, 356), " STAND ALONE SENSORS TEST ");
  struct Sensor {
    QPushButton*& poll;
    QPushButton*& test;
    ConsoleMemo*& memo;
    const char *label, *pollName, *testName, *memoName;
    int y;
  };
  const Sensor sensors[] = {
      {f.btnPollSensor1, f.btnTestSensor1, f.memSensor1Info, "SENSOR #1", "btnPollSensor1",
       "btnTestSensor1", "memSensor1Info", 16},
      {f.btnPollSensor2, f.btnTestSensor2, f.memSensor2Info, "SENSOR #2", "btnPollSensor2",
       "btnTestSensor2", "memSensor2Info", 172},
  };
  for (const Sensor& s : sensors) {
    Place<QLabel>(f.grpSensors, "", QRect(8, s.y + 4, 78, 17), s.label);
    s.poll = Place<QPushButton>(f.grpSensors, s.pollName, QRect(90, s.y, 72, 25), "POLL");
    s.test = Place<QPushButton>(f.grpSensors, s.testName, QRect(168, s.y, 72, 25), "TEST");
    s.memo = Place<ConsoleMemo>(f.grpSensors, s.memoName, QRect(8, s.y + 30, 234, 120));
  }
  f.cboAutoPoll = Place<QCheckBox>(f.grpSensors, "cboAutoPoll", QRect(8, 328, 112, 18), "Auto poll every:");
  f.edtAutoPoll = Place<QLineEdit>(f.grpSensors, "edtAutoPoll", QRect(122, 326, 60, 22));
  f.edtAutoPoll->setText(QStringLiteral("1000"));
  Place<QLabel>(f.grpSensors, "", QRect(186, 329, 24, 17), "ms");
  f.tmrAutoPoll = NamedTimer(&f, "tmrAutoPoll");
}

void BuildAnalogueBox(TFrmTestTKV& f, QWidget* page) {
  f.grpADs = Box(page, "grpADs", QRect(264, 4, 210, 356), " ADS ");
  f.rgAD = PlaceRadioGroup(f.grpADs, "rgAD", QRect(8, 16, 194, 166), "AD",
                           {"SOUNDER1", "SOUNDER2", "PCB_THERMISTOR", "FLOW1_TH", "FLOW2_TH",
                            "FANBACK1", "FANBACK2", "POWER1", "POWER2"});
  f.rgAD->SetItemIndex(0);
  f.edtADMeasInt = Place<QLineEdit>(f.grpADs, "edtADMeasInt", QRect(8, 188, 52, 22));
  f.edtADMeasInt->setText(QStringLiteral("100"));
  Place<QLabel>(f.grpADs, "", QRect(64, 191, 20, 17), "ms");
  f.cboAD = Place<QCheckBox>(f.grpADs, "cboAD", QRect(88, 190, 48, 18), "GO!");
  f.btnClearADmemo = Place<QPushButton>(f.grpADs, "btnClearADmemo", QRect(140, 186, 62, 25), "CLEAR");
  f.memAD = Place<ConsoleMemo>(f.grpADs, "memAD", QRect(8, 218, 194, 130));
  f.tmrAD = NamedTimer(&f, "tmrAD");
}

// What the form does for the LED selectors when it is created: item 0 and
// the plain image list for every one of them.
void BuildLedsBox(TFrmTestTKV& f, QWidget* page) {
  f.grpLeds = Box(page, "grpLeds", QRect(480, 4, 524, 290), " SHIFT REGISTER LEDS ");
  f.ImageList1 = new LedIcons(LedStyle::Plain, &f);
  f.ImageList1->setObjectName(QStringLiteral("ImageList1"));
  f.ImageList2 = new LedIcons(LedStyle::Alternative, &f);
  f.ImageList2->setObjectName(QStringLiteral("ImageList2"));
  f.imgFrontPanel = new LedPanel(f.grpLeds, f.ImageList1);
  f.imgFrontPanel->setGeometry(8, 18, 508, 226);
  f.cbLed = f.imgFrontPanel->Selectors();
  f.btnAllG = Place<QPushButton>(f.grpLeds, "btnAllG", QRect(8, 254, 60, 25), "All G");
  f.Button29 = Place<QPushButton>(f.grpLeds, "Button29", QRect(72, 254, 60, 25), "All R");
  f.Button30 = Place<QPushButton>(f.grpLeds, "Button30", QRect(136, 254, 60, 25), "All Y");
  SetTag(f.btnAllG, 1);
  SetTag(f.Button29, 2);
  SetTag(f.Button30, 3);
  f.btnClearSRLED = Place<QPushButton>(f.grpLeds, "btnClearSRLED", QRect(212, 254, 70, 25), "CLEAR");
  f.btnUpdateSRLED = Place<QPushButton>(f.grpLeds, "btnUpdateSRLED", QRect(366, 254, 70, 25), "UPDATE");
  f.btnNormalSRLED = Place<QPushButton>(f.grpLeds, "btnNormalSRLED", QRect(442, 254, 70, 25), "Normal");
}

}  // namespace

void TFrmTestTKV::BuildAdmin2Page(QWidget* page) {
  BuildSensorsBox(*this, page);
  BuildAnalogueBox(*this, page);
  BuildLedsBox(*this, page);

  for (QPushButton* button : {btnPollSensor1, btnPollSensor2, btnTestSensor1, btnTestSensor2})
    Wire(button, &QPushButton::clicked, &TFrmTestTKV::btnPollSensor1Click);
  // toggled, not clicked: unticking from code stops a monitor as well.
  Wire(cboAutoPoll, &QCheckBox::toggled, &TFrmTestTKV::cboAutoPollClick);
  Wire(tmrAutoPoll, &QTimer::timeout, &TFrmTestTKV::tmrAutoPollTimer);
  Wire(cboAD, &QCheckBox::toggled, &TFrmTestTKV::cboADClick);
  Wire(tmrAD, &QTimer::timeout, &TFrmTestTKV::tmrADTimer);
  Wire(btnClearADmemo, &QPushButton::clicked, &TFrmTestTKV::btnClearADmemoClick);

  for (QPushButton* fill : {btnAllG, Button29, Button30})
    Wire(fill, &QPushButton::clicked, &TFrmTestTKV::btnAllGClick);
  Wire(btnClearSRLED, &QPushButton::clicked, &TFrmTestTKV::btnClearSRLEDClick);
  Wire(btnUpdateSRLED, &QPushButton::clicked, &TFrmTestTKV::btnUpdateSRLEDClick);
  Wire(btnNormalSRLED, &QPushButton::clicked, &TFrmTestTKV::btnNormalSRLEDClick);
  for (LedSelector* led : cbLed)
    Wire(led, &LedSelector::DoubleClicked, &TFrmTestTKV::cbLed3DblClick);
}
