#pragma once
// A factory bench for the end-of-line test: the real window against the
// simulated detector, and an operator who reads the test log as it grows,
// does at each prompt what the bench would (loads, input, cover, isolator,
// air flows, the USB line) and presses the keys.
#include <QApplication>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>
#include <map>

#include "ConsoleMemo.h"
#include "DetectorWindow.h"

class EolBench {
 public:
  explicit EolBench(sim::DetectorOptions options = {}) : w(options) {
    auto& f = w.form();
    f.pacing().SetScale(0.01);
    f.Edit1->setText(QString::number(w.comNumber()));
    f.PageControl1->setCurrentIndex(7);
    operator_.setInterval(1);
    QObject::connect(&operator_, &QTimer::timeout, [this] { Look(); });
  }

  // What the bench does before the space bar at a prompt: the prompt text and
  // how many times it has been shown before.
  using PromptAction = std::function<void(const QString& prompt, int seen)>;
  // The keys typed at each question, in order ("Y" once they run out), and at
  // each space-bar prompt (" " once they run out); one key per look.
  std::deque<QString> answers;
  std::deque<QString> promptKeys;
  // Flows the bench places when the operator is asked to check or adjust them, in order.
  std::deque<std::pair<int, int>> flows{{100, 100}};
  // Extra actions at a prompt, keyed by a part of its text.
  std::map<QString, PromptAction> onPrompt;
  // Called at each question, with its number from 0, before the key.
  std::function<void(int)> onQuestion;

  // Starts the test and operates the bench until it returns.
  QStringList Run(int startStep) {
    auto& f = w.form();
    f.edtStartStep->setText(QString::number(startStep));
    seen_ = 0;
    questions_ = 0;
    typing_.clear();
    prompts_.clear();
    operator_.start();
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [this] {
      stuck = true;
      w.Click("Button37");
    });
    watchdog.start(60000);
    w.Click("btnStartEOL");
    operator_.stop();
    return Log();
  }

  QStringList Log() { return w.form().memEOL->Lines(); }

  // A key as the operator types it ('y' is the Y key without shift), to
  // whatever has the focus.
  void Type(char key) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w.form();
    QTest::keyClick(target, key);
  }

  void WithModel(const std::function<void(sim::DeviceModel&)>& change) {
    w.detector().WithModel([&](sim::DeviceModel& m) { change(m); });
  }

  void PlaceFlows(int flow1, int flow2) {
    WithModel([&](sim::DeviceModel& m) {
      m.live().channel[0].flow = static_cast<uint8_t>(flow1);
      m.live().channel[1].flow = static_cast<uint8_t>(flow2);
    });
  }

  // The time stamps of a log, which change from run to run, as "<time>".
  static QStringList Masked(QStringList lines) {
    static const QRegularExpression kStamp(QStringLiteral("\\d\\d/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d"));
    for (QString& line : lines) line.replace(kStamp, QStringLiteral("<time>"));
    return lines;
  }

  DetectorWindow w;
  bool stuck = false;

 private:
  void Look() {
    if (!typing_.isEmpty()) {
      const char key = typing_.front().toLatin1();
      typing_.remove(0, 1);
      Type(key);
      return;
    }
    const QStringList lines = Log();
    while (seen_ < lines.size()) {
      const QString line = lines[seen_++];
      if (line.contains(QLatin1String("<<< PREMERE Y SE TEST OK"))) {
        if (onQuestion) onQuestion(questions_);
        ++questions_;
        typing_ = Next(answers, QStringLiteral("Y"));
        return;
      }
      if (line.contains(QLatin1String("<<< PREMERE SPAZIO"))) {
        BenchAction(line, prompts_[line]++);
        typing_ = Next(promptKeys, QStringLiteral(" "));
        return;
      }
    }
  }

  static QString Next(std::deque<QString>& keys, const QString& otherwise) {
    if (keys.empty()) return otherwise;
    QString next = keys.front();
    keys.pop_front();
    return next;
  }

  void BenchAction(const QString& prompt, int seen) {
    if (prompt.contains(QLatin1String("FLUSSI")) && !flows.empty()) {
      PlaceFlows(flows.front().first, flows.front().second);
      flows.pop_front();
    } else if (prompt.contains(QLatin1String("OPEN SOUNDER"))) {
      WithModel([](sim::DeviceModel& m) { m.peripherals().SetSoundersLoaded(false); });
    } else if (prompt.contains(QLatin1String("VERIFICARE EXT INPUT"))) {
      WithModel([](sim::DeviceModel& m) { m.peripherals().Press(sim::Switch::ExternalInput); });
    } else if (prompt.contains(QLatin1String("VERIFICARE COVER SWITCH"))) {
      WithModel([](sim::DeviceModel& m) { m.peripherals().Press(sim::Switch::Cover); });
    } else if (prompt.contains(QLatin1String("STATO ISO")) && seen > 0) {
      // The operator has sent loop command 11,32 (open), then 11,96 (close).
      WithModel([seen](sim::DeviceModel& m) { m.peripherals().IsolatorCommand(seen == 1 ? 32 : 96); });
    }
    for (auto& [part, action] : onPrompt)
      if (prompt.contains(part)) action(prompt, seen);
  }

  QTimer operator_;
  int seen_ = 0;
  int questions_ = 0;
  QString typing_;
  std::map<QString, int> prompts_;
};
