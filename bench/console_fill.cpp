// How fast the console takes the bursts it gets: the 2244-row log table in
// one entry, a 45,000-line console filled line by line, and that console saved
// as a report. Runs on the offscreen platform unless another is chosen.
#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <functional>

#include "ConsoleMemo.h"
#include "FrmTestTKVU.h"
#include "LogTable.h"

namespace {
constexpr int kLogSlots = 2244;
constexpr int kConsoleLines = 45000;
constexpr int kStandAlone = 1;

// Milliseconds for the work and for the console to show its result.
double Measure(ConsoleMemo* console, const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  console->Flush();
  QCoreApplication::processEvents();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

LogRecord SampleEntry(int i) {
  LogRecord e;
  e.EventCode = 11 + i % 8;
  e.Day = 1 + i % 28;
  e.Month = 1 + i % 12;
  e.Year = 24;
  e.Hour = i % 24;
  e.Minute = i % 60;
  e.Second = (i * 7) % 60;
  e.Temperature = 250;
  e.Supply = {24000, 23900};
  e.Flow = {120, 118};
  e.Sensor = {1, 14};
  return e;
}

QString LogTableText() {
  QStringList table{LogTableHeader(), LogTableDashes()};
  for (int i = 0; i < kLogSlots; ++i) table << LogTableRow(i, SampleEntry(i), kStandAlone);
  return table.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  TFrmTestTKV form;
  form.show();
  QCoreApplication::processEvents();

  const QString table = LogTableText();
  const double tableMs = Measure(form.memLog, [&] { form.LogLine(table); });
  std::printf("log table, %d rows in one entry:        %8.1f ms\n", kLogSlots, tableMs);

  form.ClearConsole();
  const QString line = LogTableRow(0, SampleEntry(0), kStandAlone);
  const double fillMs = Measure(form.memLog, [&] {
    for (int i = 0; i < kConsoleLines; ++i) form.LogLine(line);
  });
  std::printf("console, %d lines one by one:          %8.1f ms\n", kConsoleLines, fillMs);

  // A long run pumps the event loop between its lines, which flushes the queue.
  form.ClearConsole();
  const double pumpedMs = Measure(form.memLog, [&] {
    for (int i = 0; i < kConsoleLines; ++i) {
      form.LogLine(line);
      if (i % 50 == 0) QCoreApplication::processEvents();
    }
  });
  std::printf("console, %d lines, events every 50:    %8.1f ms\n", kConsoleLines, pumpedMs);

  QTemporaryDir dir;
  const double saveMs = Measure(form.memLog, [&] { form.memLog->SaveToFile(dir.filePath("console.LOG")); });
  std::printf("console, %d lines saved as a report:   %8.1f ms\n", kConsoleLines, saveMs);
  return 0;
}
