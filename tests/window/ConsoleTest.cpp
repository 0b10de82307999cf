// The console: whole lines, and the one line that tells a TKV failure.
#include <QtTest>

#include "ConsoleMemo.h"
#include "DetectorWindow.h"

class ConsoleTest : public QObject {
  Q_OBJECT
 private slots:
  void linesAreWhole() {
    TFrmTestTKV form;
    form.LogLine("first\r\nsecond\r\n");  // a multi-line entry ending in a break
    form.LogLine(" ");
    form.LogLine("");
    form.LogLine("last");
    QCOMPARE(form.memLog->Lines(), (QStringList{"first", "second", " ", "", "last"}));
    form.ClearConsole();
    QCOMPARE(form.memLog->Lines(), QStringList());
    form.LogLine("again");
    QCOMPARE(form.memLog->Lines(), QStringList{"again"});
  }

  // The queue reaches the widget itself once the event loop runs.
  void widgetShowsTheLinesAfterTheEventLoop() {
    TFrmTestTKV form;
    form.LogLine("a\r\nb");
    form.LogLine("c");
    QTRY_COMPARE(form.memLog->toPlainText(), QStringLiteral("a\nb\nc"));
  }

  // Whoever follows the console hears every line that reaches it, in order,
  // and none that was cleared before it got there.
  void announcesTheLinesAsTheyGoIn() {
    TFrmTestTKV form;
    QStringList heard;
    connect(form.memLog, &ConsoleMemo::LinesAdded, this,
            [&](const QStringList& lines) { heard += lines; });
    form.LogLine("dropped");
    form.ClearConsole();
    form.LogLine("a\r\nb");
    form.LogLine("");
    QTRY_COMPARE(heard, (QStringList{"a", "b", ""}));
    form.LogLine("c");
    QCOMPARE(form.memLog->Lines().size(), 4);
    QCOMPARE(heard, (QStringList{"a", "b", "", "c"}));
  }

  void noDeviceNoErrorLine() {
    TFrmTestTKV form;
    form.ReportLastError();
    QCOMPARE(form.memLog->Lines(), QStringList());
  }

  void codeWithoutTextEndsAfterTheBracket() {
    TFrmTestTKV form;
    form.Device = std::make_unique<TKV>();
    QCOMPARE(form.Device->Connect(5, -1, 0, 0), 0);  // refused time-outs
    form.ReportLastError();
    QCOMPARE(form.memLog->Lines(), QStringList{">>TKV Error [25] "});
  }

  // A refused extended command leaves code 0.
  void unknownErrorLine() {
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    w.detector().InjectFault({sim::FaultKind::Refuse, 36});
    std::vector<int32_t> params(12), data(1024), answer(1024);
    params[0] = 1;
    QCOMPARE(w.form().Device->ExtendedCommand(params.data(), data.data(), answer.data()), 0);
    w.form().ReportLastError();
    QCOMPARE(w.NewConsoleLines(), QStringList{">>TKV Error [0] unknown error"});
  }

  void requireConnection() {
    DetectorWindow w;
    QVERIFY(!w.form().RequireConnection());
    QVERIFY(w.Connect());
    w.NewConsoleLines();
    QVERIFY(w.form().RequireConnection());
    QCOMPARE(w.NewConsoleLines(), QStringList());
  }
};

QTEST_MAIN(ConsoleTest)
#include "ConsoleTest.moc"
