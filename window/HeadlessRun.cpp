#include "HeadlessRun.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <memory>

#include "ConsoleMemo.h"
#include "FrmTestTKVU.h"
#include "HeadlessDialogs.h"
#include "HeadlessSignals.h"

namespace {

void Tell(FILE* stream, const QString& text) {
  fputs(text.toLocal8Bit().constData(), stream);
  fflush(stream);
}

// The one line that tells why there is no report.
int Fail(int code, QString reason) {
  reason.replace(QLatin1Char('\n'), QLatin1Char(' '));
  Tell(stderr, QStringLiteral("vorenxr-diag: %1\n").arg(reason));
  return code;
}

// A testing aid: the pacing scale of a run, 1 (real time) unless
// VORENXR_PACING_SCALE holds a positive number.
double PacingScale() {
  bool number = false;
  const double scale = qEnvironmentVariable("VORENXR_PACING_SCALE").toDouble(&number);
  return number && scale > 0 ? scale : 1.0;
}

// Types the COM number and presses Connect, as the user does.
bool Connect(TFrmTestTKV& form, Dialogs& dialogs, int com) {
  form.Edit1->setText(QString::number(com));
  RunGuarded(dialogs, [&] { form.Button1Click(form.Button1); });
  return form.Device != nullptr;
}

// Only the toolkit's critical and fatal messages get through.
void QuietToolkit(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) Tell(stderr, message + QLatin1Char('\n'));
}

}  // namespace

void PrepareHeadless() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietToolkit);
}

int TellHeadlessOptions(const HeadlessOptions& options) {
  if (options.mode == HeadlessMode::Help) {
    Tell(stdout, HeadlessHelp());
    return 0;
  }
  if (options.mode == HeadlessMode::Version) {
    Tell(stdout, HeadlessVersion());
    return 0;
  }
  return Fail(kExitBadArguments, options.error + QStringLiteral(" (see --help)"));
}

int RunHeadless(const HeadlessOptions& options) {
  auto ownDialogs = std::make_unique<HeadlessDialogs>();
  HeadlessDialogs& dialogs = *ownDialogs;
  TFrmTestTKV form(std::move(ownDialogs));
  form.pacing().SetScale(PacingScale());
  HeadlessSignals interrupts;
  // Heard at the run's next event processing, as a click on ABORT is; like the
  // button, it is there only while a diagnostic runs.
  QObject::connect(&interrupts, &HeadlessSignals::Received, &form, [&] {
    if (form.btnabort->isEnabled()) RunGuarded(dialogs, [&] { form.btnabortClick(form.btnabort); });
  });

  if (!Connect(form, dialogs, options.com)) {
    // Connect's last line is the error print of the failed connection.
    const QStringList said = form.memLog->Lines();
    return Fail(kExitNoConnection,
                QStringLiteral("no connection on COM%1: %2").arg(options.com).arg(said.value(said.size() - 1)));
  }
  if (HeadlessSignals::Arrived()) return Fail(kExitAborted, QStringLiteral("aborted before the run"));

  // From here on the console is the report, and it goes out as it grows.
  form.memLog->Flush();
  QObject::connect(form.memLog, &ConsoleMemo::LinesAdded, [](const QStringList& lines) {
    Tell(stdout, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
  });
  if (options.mode == HeadlessMode::Diagnose) {
    form.chkfulldiag->setChecked(options.full);
    form.chktestalarms->setChecked(options.testAlarms);
    RunGuarded(dialogs, [&] { form.btndiagClick(nullptr); });
  } else {
    RunGuarded(dialogs, [&] { form.btnlogClick(nullptr); });
  }
  form.memLog->Flush();

  if (!form.SavedReportFile.isEmpty()) {
    Tell(stderr, QStringLiteral("vorenxr-diag: report saved: %1\n").arg(form.SavedReportFile));
    return kExitSaved;
  }
  if (HeadlessSignals::Arrived()) return Fail(kExitAborted, QStringLiteral("aborted, no report saved"));
  return Fail(kExitNotSaved, dialogs.Errors().isEmpty()
                                 ? QStringLiteral("no report saved")
                                 : QStringLiteral("no report saved: ") + dialogs.Errors().last());
}
