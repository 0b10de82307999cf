#include "HeadlessOptions.h"

#include <QStringList>
#include <algorithm>
#include <optional>

namespace {
constexpr int kLastCom = 255;

HeadlessOptions Bad(const QString& error) {
  HeadlessOptions options;
  options.mode = HeadlessMode::BadArguments;
  options.error = error;
  return options;
}

bool IsOwnOption(const QString& argument) { return argument.startsWith(QLatin1String("--")); }
}  // namespace

HeadlessOptions ParseHeadlessOptions(int argc, const char* const* argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  HeadlessOptions options;
  if (std::none_of(arguments.cbegin(), arguments.cend(), IsOwnOption)) return options;
  if (arguments.contains(QLatin1String("--help"))) {
    options.mode = HeadlessMode::Help;
    return options;
  }
  if (arguments.contains(QLatin1String("--version"))) {
    options.mode = HeadlessMode::Version;
    return options;
  }

  std::optional<HeadlessMode> mode;
  bool comGiven = false;
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--diagnose") || argument == QLatin1String("--retrieve-log")) {
      const HeadlessMode chosen = argument == QLatin1String("--diagnose")
                                      ? HeadlessMode::Diagnose
                                      : HeadlessMode::RetrieveLog;
      if (mode && *mode != chosen)
        return Bad(QStringLiteral("--diagnose and --retrieve-log exclude each other"));
      mode = chosen;
    } else if (argument == QLatin1String("--full")) {
      options.full = true;
    } else if (argument == QLatin1String("--test-alarms")) {
      options.testAlarms = true;
    } else if (argument == QLatin1String("--com")) {
      if (i + 1 == arguments.size()) return Bad(QStringLiteral("--com needs a COM port number"));
      bool number = false;
      options.com = arguments[++i].toInt(&number);
      if (!number || options.com < 1 || options.com > kLastCom)
        return Bad(QStringLiteral("the COM port number is 1 to %1, not \"%2\"")
                       .arg(kLastCom)
                       .arg(arguments[i]));
      comGiven = true;
    } else {
      return Bad(QStringLiteral("unknown argument \"%1\"").arg(argument));
    }
  }
  if (!mode) return Bad(QStringLiteral("say --diagnose or --retrieve-log"));
  if (!comGiven) return Bad(QStringLiteral("--com N is missing"));
  if (*mode == HeadlessMode::RetrieveLog && (options.full || options.testAlarms))
    return Bad(QStringLiteral("--full and --test-alarms go with --diagnose only"));
  options.mode = *mode;
  return options;
}

QString HeadlessHelp() {
  return QStringLiteral(
      "Usage: vorenxr-diag\n"
      "  or:  vorenxr-diag --diagnose --com N [--full] [--test-alarms]\n"
      "  or:  vorenxr-diag --retrieve-log --com N\n"
      "Without an option it opens the window.\n"
      "\n"
      "Without the window, and without a display, runs the window's EXECUTE DIAGNOSTIC\n"
      "or RETRIEVE LOG against the detector on COM N and saves its report in the current\n"
      "folder, as the window does. The console goes to standard output as it grows; the\n"
      "saved report's path, or the reason there is none, goes to standard error.\n"
      "\n"
      "  --diagnose       EXECUTE DIAGNOSTIC: VOREN_XR_DIAG_<stamp>.LOG\n"
      "  --full           with --diagnose: FULL DIAGNOSTIC ticked\n"
      "  --test-alarms    with --diagnose: TEST ALARMS ticked\n"
      "  --retrieve-log   RETRIEVE LOG: VOREN_XR_LOG_<stamp>.LOG\n"
      "  --com N          the detector's COM port number, 1 to 255\n"
      "  --help           this text\n"
      "  --version        the program's version\n"
      "\n"
      "SIGINT (Ctrl+C) or SIGTERM during a diagnostic is ABORT: the run stops at its next\n"
      "abort check and saves no report. A second one ends the program at once.\n"
      "\n"
      "Exit codes:\n"
      "  0  the report was saved\n"
      "  1  no connection to the detector\n"
      "  2  bad arguments\n"
      "  3  the report was not saved (the file could not be written, or the run ended on an error)\n"
      "  4  aborted, no report\n");
}

QString HeadlessVersion() { return QStringLiteral("vorenxr-diag " VORENXR_VERSION "\n"); }
