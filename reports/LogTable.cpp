// The log table and the common builder behind Read, Read All and Export.
#include "LogTable.h"

#include <QPushButton>
#include <QStringList>

#include "ConsoleMemo.h"
#include "EventTexts.h"
#include "Format.h"
#include "FrmTestTKVU.h"
#include "SensorTexts.h"

namespace {
constexpr int kLastSlot = memory::kLogEntryCount - 1;  // 2243
constexpr int32_t kBlankLog = -2;

QString Dashes(int count) { return QString(count, QLatin1Char('-')); }

QString EntryDate(const LogRecord& e) {
  if (e.Day == 0) return QStringLiteral("undefined");
  return QStringLiteral("%1/%2/%3 %4:%5:%6")
      .arg(FormatTwoDigits(e.Day), FormatTwoDigits(e.Month), FormatTwoDigits(e.Year),
           FormatTwoDigits(e.Hour), FormatTwoDigits(e.Minute), FormatTwoDigits(e.Second));
}
}  // namespace

QString LogTableHeader() {
  return FormatLogTableLine("#", "Date", "Event", "Temp", "Power 1", "Power 2", "Flow 1",
                            "Flow 2", "Sensor 1", "Sensor 2");
}

QString LogTableDashes() {
  return FormatLogTableLine(Dashes(4), Dashes(17), Dashes(45), Dashes(4), Dashes(6), Dashes(6),
                            Dashes(6), Dashes(6), Dashes(19), Dashes(19));
}

QString LogTableRow(int number, const LogRecord& e, int variant) {
  return FormatLogTableLine(
      QString::number(number), EntryDate(e),
      PadField(QString::number(e.EventCode), 3) + ": " + EventText(e.EventCode),
      FormatTenths(e.Temperature), FormatUndefinedInt(e.Supply[0]),
      FormatUndefinedInt(e.Supply[1]), FormatUndefinedInt(e.Flow[0]),
      FormatUndefinedInt(e.Flow[1]), SensorStatusTextFor(variant, e.Sensor[0]),
      SensorStatusTextFor(variant, e.Sensor[1]));
}

// Sender decides the rows and the saving: btnReadAllLogs and btnExportAllLogs
// list every slot of the log area, the export buttons save the console to
// LogExportFileName; any other sender (or none) lists the entries up to the
// count and saves nothing.
void TFrmTestTKV::btnShowLogClick(QObject* Sender) {
  if (!RequireConnection()) return;
  TKV& device = *Device;
  int last = device.GetLogCount();
  if (last == -1) {
    ReportLastError();
    return;
  }
  // A blank log has had nothing read into the held copy: "all" slots of it
  // would be stale bytes, so it lists no rows, whichever button asked.
  if ((Sender == btnReadAllLogs || Sender == btnExportAllLogs) && last != kBlankLog)
    last = kLastSlot;
  const int full = device.IsLogFull();
  if (full == -1) {
    ReportLastError();
    return;
  }
  const QString note = last == kBlankLog ? QStringLiteral(">>log is blank")
                       : full == 1       ? QStringLiteral(">>log is full")
                                         : QString();

  QStringList table{LogTableHeader(), LogTableDashes()};
  for (int i = 0; i <= last; ++i) {
    LogRecord e;
    // Asked as -i so the library reads the slot without bounding it by the count.
    if (!device.GetLogRecord(-i, &e.EventCode, &e.Day, &e.Month, &e.Year, &e.Hour, &e.Minute,
                             &e.Second, &e.Temperature, e.Supply.data(), e.Flow.data(),
                             e.Sensor.data())) {
      ReportLastError();
      return;
    }
    table << LogTableRow(i, e, device.GetVariant());
  }
  LogLine(table.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
  if (Sender == btnExportLog || Sender == btnExportAllLogs) memLog->SaveToFile(LogExportFileName);
  // After the save, so the file does not hold it.
  if (!note.isEmpty()) LogLine(note);
}
