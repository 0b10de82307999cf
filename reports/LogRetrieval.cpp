// RETRIEVE LOG: a short field report that exercises nothing. The clock,
// identity, state and the whole event log go to the console, which is then
// saved as VOREN_XR_LOG_<stamp>.LOG in the current folder.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>

#include "ConsoleMemo.h"
#include "Format.h"
#include "FrmTestTKVU.h"
#include "RunProgress.h"
#include "TimeStamp.h"

namespace {
constexpr int kBannerWidth = 55;
constexpr int kSections = 4;

QString Banner(const char* head) {
  return QString::fromLatin1(head).leftJustified(kBannerWidth, QLatin1Char('-'));
}

QString Separator() { return QString(kBannerWidth, QLatin1Char('-')); }

// The retrieval's own commands are locked while it runs and the progress bar
// shows; whichever way it ends, all of them but Connect come back (a device is
// still connected) and the bar goes.
class RetrievalScope {
 public:
  explicit RetrievalScope(TFrmTestTKV& form)
      : form_(form),
        locked_{form.btndiag, form.Button1,     form.btnres, form.Button2,
                form.btnlog,  form.chkfulldiag, form.Edit1,  form.chktestalarms} {
    for (QWidget* control : locked_) control->setEnabled(false);
    form.Progress->Begin(kSections);
  }
  ~RetrievalScope() {
    for (QWidget* control : locked_) control->setEnabled(control != form_.Button1);
    form_.Progress->Finish();
  }
  RetrievalScope(const RetrievalScope&) = delete;
  RetrievalScope& operator=(const RetrievalScope&) = delete;

 private:
  TFrmTestTKV& form_;
  std::array<QWidget*, 8> locked_;
};
}  // namespace

void TFrmTestTKV::btnlogClick(QObject*) {
  SavedReportFile.clear();
  if (!RequireConnection()) return;
  ClearConsole();
  {
    RetrievalScope scope(*this);
    LogLine(Separator());
    LogLine(QStringLiteral("VOREN XR Log: ") + TimeStampText());
    LogLine(Separator());
    for (int i = 0; i < 2; ++i) LogLine(QStringLiteral(" "));
    for (int i = 0; i < 3; ++i) LogLine(Separator());

    // A memo copied line by line, so that an empty last line is kept.
    const auto copyStatePanel = [this] {
      for (const QString& line : memState->Lines()) LogLine(line);
    };
    // An error inside a section abandons the rest of that section only; the
    // handlers it runs have already told their own failures on the console.
    const auto section = [this](int done, const char* name, const std::function<void()>& body) {
      Progress->Enter(QString::fromLatin1(name), done);
      try {
        body();
      } catch (...) {
      }
    };
    section(0, "TIME", [&] {
      LogLine(Banner(">>>--TIME"));
      Button24Click(nullptr);
      LogLine(edtGetTime->text());
      LogLine(Banner("<<<--TIME"));
      LogLine(QStringLiteral(" "));
    });
    section(1, "INFO", [&] {
      LogLine(Banner(">>>--INFO"));
      ClearStatePanel();
      Button4Click(nullptr);
      copyStatePanel();
      LogLine(Banner("<<<--INFO"));
      LogLine(QStringLiteral(" "));
    });
    section(2, "STATE", [&] {
      ClearStatePanel();
      LogLine(Banner(">>>--STATE"));
      btnStateClick(nullptr);
      copyStatePanel();
      LogLine(Banner("<<<--STATE"));
      LogLine(QStringLiteral(" "));
    });
    section(3, "LOG", [&] {
      LogLine(Banner(">>>--LOG"));
      btnReadLogsClick(btnReadAllLogs);
      LogLine(Banner("<<<--LOG"));
      LogLine(QStringLiteral(" "));
    });
  }

  SaveConsoleReport(QStringLiteral("VOREN_XR_LOG_"), QStringLiteral("LOG SAVED!"));
}
