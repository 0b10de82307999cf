// The Variants parameters page: the parameters of the loop-based variants and
// of the stand-alone one, one invisible ParameterButton per accessor, created
// after those of the Common parameters page (ParameterTransfer.cpp runs them).
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "FrmTestTKVU.h"
#include "ParameterPageLayout.h"
#include "ParameterTransfer.h"

namespace {
// The ParameterButtons of the page, in creation order.
using V = VariantsParamsPageControls;
struct ButtonEntry {
  QPushButton* V::*button;
  const char* name;
  void (TFrmTestTKV::*click)(QObject*);
};
using F = TFrmTestTKV;
const ButtonEntry kButtons[] = {
    {&V::btnAlMode, "btnAlMode", &F::btnAlModeClick},
    {&V::btnSeTimeout, "btnSeTimeout", &F::btnSeTimeoutClick},
    {&V::btnRemOutTime, "btnRemOutTime", &F::btnRemOutTimeClick},
    {&V::btnWeekD, "btnWeekD", &F::btnWeekDClick},
    {&V::btnhd, "btnhd", &F::btnhdClick},
    {&V::btnPrealDelay, "btnPrealDelay", &F::btnPrealDelayClick},
    {&V::btnCasAl, "btnCasAl", &F::btnCasAlClick},
    {&V::btnDayNig, "btnDayNig", &F::btnDayNigClick},
    {&V::btnSndac, "btnSndac", &F::btnSndacClick},
    {&V::btnallev, "btnallev", &F::btnallevClick},
    {&V::btnDayNight, "btnDayNight", &F::btnDayNightClick},
};

// The week days in night mode, Monday first.
struct WeekDay {
  QCheckBox* V::*box;
  const char* name;
  const char* caption;
};
const WeekDay kWeekDays[] = {
    {&V::cbDnMon, "cbDnMon", "monday"},     {&V::cbDnTue, "cbDnTue", "tuesday"},
    {&V::cbDnWed, "cbDnWed", "wednesday"},  {&V::cbDnThu, "cbDnThu", "thursday"},
    {&V::cbDnFri, "cbDnFri", "friday"},     {&V::cbDnSat, "cbDnSat", "saturday"},
    {&V::cbDnSun, "cbDnSun", "sunday"},
};

constexpr int kHolidaysPerRow = 5;

// The level boxes: a row per level, a column per channel and day or night.
struct LevelBox {
  QLineEdit* V::*edit;
  const char* name;
  int row;     // 0 alarm, 1 prealarm
  int column;  // ch1 day, ch1 night, ch2 day, ch2 night
};
const LevelBox kLevels[] = {
    {&V::edtalday1, "edtalday1", 0, 0},   {&V::edtalnig1, "edtalnig1", 0, 1},
    {&V::edtalday2, "edtalday2", 0, 2},   {&V::edtalnig2, "edtalnig2", 0, 3},
    {&V::edtpalday1, "edtpalday1", 1, 0}, {&V::edtpalnig1, "edtpalnig1", 1, 1},
    {&V::edtpalday2, "edtpalday2", 1, 2}, {&V::edtpalnig2, "edtpalnig2", 1, 3},
};
constexpr int kLevelsX = 522, kLevelColumn = 38, kLevelsY = 54, kLevelRow = 26;
}  // namespace

void TFrmTestTKV::BuildVariantsParamsPage(QWidget* page) {
  grpLoopBased = Box(page, "grpLoopBased", QRect(4, 4, 330, 150), " LOOP BASED / QUIB / ZANDT ");
  rgAlMode = PlaceRadioGroup(grpLoopBased, "rgAlMode", QRect(6, 18, 318, 44), " LB Alarm mode ",
                             {"by sensor", "by module"}, 2);
  edtSeTimeout = LabelledEdit(grpLoopBased, "edtSeTimeout", "LB/QUIB Sensor timeout (sec)", 8, 70, 262, 60);
  // One time, named by the loop-based variants and by the zandt variant.
  Place<QLabel>(grpLoopBased, "", QRect(8, 100, 250, 17), "LB/QUIB Remote output alarm time (x50ms)");
  Place<QLabel>(grpLoopBased, "", QRect(8, 118, 250, 17), "ZANDT Base relay alarm time (x50ms)");
  edtRemOutTime = Place<QLineEdit>(grpLoopBased, "edtRemOutTime", QRect(262, 106, 60, 22));

  grpStandAlone = Box(page, "grpStandAlone", QRect(338, 4, 674, 226), " STAND ALONE ");
  cbDayNight = Place<QCheckBox>(grpStandAlone, "cbDayNight", QRect(8, 20, 160, 18), "Day/night enabled");
  edtDaySt = WithHint(LabelledEdit(grpStandAlone, "edtDaySt", "day start", 8, 42, 66, 54), "HH:MI");
  edtDayEnd = WithHint(LabelledEdit(grpStandAlone, "edtDayEnd", "day end", 130, 42, 182, 54), "HH:MI");

  Place<QLabel>(grpStandAlone, "", QRect(8, 72, 150, 17), "Week day in night mode");
  int day = 0;
  for (const WeekDay& weekDay : kWeekDays)
    this->*weekDay.box = Place<QCheckBox>(grpStandAlone, weekDay.name, QRect(8, 90 + 18 * day++, 110, 18),
                                          weekDay.caption);

  Place<QLabel>(grpStandAlone, "", QRect(160, 72, 200, 17), "Holiday days DD/MM");
  for (int k = 0; k < kHolidays; ++k) {
    const QByteArray name = "edthd" + QByteArray::number(k);
    const QRect at(160 + 52 * (k % kHolidaysPerRow), 90 + 26 * (k / kHolidaysPerRow), 48, 22);
    edthd[k] = WithHint(Place<QLineEdit>(grpStandAlone, name.constData(), at), "DD/MM");
  }

  Place<QLabel>(grpStandAlone, "", QRect(kLevelsX, 20, 2 * kLevelColumn - 6, 14), "ch1");
  Place<QLabel>(grpStandAlone, "", QRect(kLevelsX + 2 * kLevelColumn, 20, 2 * kLevelColumn - 6, 14), "ch2");
  for (int column = 0; column < 4; ++column)
    Place<QLabel>(grpStandAlone, "", QRect(kLevelsX + kLevelColumn * column, 36, kLevelColumn - 2, 14),
                  column % 2 == 0 ? "day" : "night");
  Place<QLabel>(grpStandAlone, "", QRect(428, kLevelsY + 3, 92, 17), "Alarm levels");
  Place<QLabel>(grpStandAlone, "", QRect(428, kLevelsY + kLevelRow + 3, 92, 17), "Prealarm levels");
  for (const LevelBox& level : kLevels)
    this->*level.edit = Place<QLineEdit>(
        grpStandAlone, level.name,
        QRect(kLevelsX + kLevelColumn * level.column, kLevelsY + kLevelRow * level.row, kLevelColumn - 6, 22));
  edtPrealDelay = LabelledEdit(grpStandAlone, "edtPrealDelay", "prealarm delay (sec)", 428, 112, 560, 50);
  cbCasAl = Place<QCheckBox>(grpStandAlone, "cbCasAl", QRect(428, 142, 240, 18), "cascade alarm");
  cbSndac = Place<QCheckBox>(grpStandAlone, "cbSndac", QRect(428, 162, 240, 18), "sounder activation on prealarm");

  for (const ButtonEntry& entry : kButtons)
    this->*entry.button = AddParameterButton(page, entry.name, entry.click);
}

void TFrmTestTKV::btnAlModeClick(QObject*) {
  TransferChoice(*this, btnAlMode, rgAlMode, 1, &TKV::ParamLbAlarmMode);
}

void TFrmTestTKV::btnSeTimeoutClick(QObject*) {
  TransferInteger(*this, btnSeTimeout, edtSeTimeout, &TKV::ParamSensorTimeout);
}

void TFrmTestTKV::btnRemOutTimeClick(QObject*) {
  TransferInteger(*this, btnRemOutTime, edtRemOutTime, &TKV::ParamRemoteOutputTime);
}

void TFrmTestTKV::btnWeekDClick(QObject*) {
  TransferFlags(*this, btnWeekD, {cbDnMon, cbDnTue, cbDnWed, cbDnThu, cbDnFri, cbDnSat, cbDnSun},
                CheckCoding::TickedIsOne,
                [&](int32_t* flags, int mode) { return Device->ParamNightWeekdays(flags, mode); });
}

// All 20 boxes are converted before anything is stored: one unusable box
// stores none of them.
void TFrmTestTKV::btnhdClick(QObject*) {
  int32_t day[kHolidays] = {}, month[kHolidays] = {};
  TransferParameter(
      *this, btnhd,
      [&] {
        for (int k = 0; k < kHolidays; ++k) {
          const std::vector<int32_t> holiday = TwoDigitFields(edthd[k]->text(), 2);
          day[k] = holiday[0];
          month[k] = holiday[1];
        }
      },
      [&](int mode) { return Device->ParamHolidays(day, month, mode); },
      [&] {
        for (int k = 0; k < kHolidays; ++k)
          edthd[k]->setText(JoinTwoDigits({day[k], month[k]}, QStringLiteral("/")));
      });
}

void TFrmTestTKV::btnPrealDelayClick(QObject*) {
  TransferInteger(*this, btnPrealDelay, edtPrealDelay, &TKV::ParamPrealarmDelay);
}

void TFrmTestTKV::btnCasAlClick(QObject*) {
  TransferFlag(*this, btnCasAl, cbCasAl, CheckCoding::TickedIsOne, &TKV::ParamCascadeAlarm);
}

// "HH:MI" for the start and for the end of the day.
void TFrmTestTKV::btnDayNigClick(QObject*) {
  std::vector<int32_t> start(2), end(2);
  TransferParameter(
      *this, btnDayNig,
      [&] {
        start = TwoDigitFields(edtDaySt->text(), 2);
        end = TwoDigitFields(edtDayEnd->text(), 2);
      },
      [&](int mode) { return Device->ParamDayTimes(start[0], start[1], end[0], end[1], mode); },
      [&] {
        edtDaySt->setText(JoinTwoDigits(start, QStringLiteral(":")));
        edtDayEnd->setText(JoinTwoDigits(end, QStringLiteral(":")));
      });
}

void TFrmTestTKV::btnSndacClick(QObject*) {
  TransferFlag(*this, btnSndac, cbSndac, CheckCoding::TickedIsOne, &TKV::ParamSounderOnPrealarm);
}

void TFrmTestTKV::btnallevClick(QObject*) {
  TransferIntegers(*this, btnallev,
                   {edtalday1, edtalday2, edtpalday1, edtpalday2, edtalnig1, edtalnig2, edtpalnig1,
                    edtpalnig2},
                   [&](int32_t* v, int mode) {
                     return Device->ParamAlarmLevels(v, v + 2, v + 4, v + 6, mode);
                   });
}

void TFrmTestTKV::btnDayNightClick(QObject*) {
  TransferFlag(*this, btnDayNight, cbDayNight, CheckCoding::TickedIsOne, &TKV::ParamDayNight);
}
