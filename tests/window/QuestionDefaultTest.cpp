// A question whose Yes erases or overwrites data on the detector has No as
// its default button, so that Enter never does it; Escape answers No.
#include <QApplication>
#include <QMessageBox>
#include <QtTest>
#include <vector>

#include "DetectorWindow.h"
#include "EepromGrid.h"

namespace {
// Changes one byte of the EEPROM grid, so that its checksums are wrong.
void SpoilChecksum(TFrmTestTKV& form) {
  constexpr int kImageSize = 512;
  std::vector<uint8_t> image = form.vleE2P->Bytes(0, kImageSize);
  ++image[10];
  form.vleE2P->SetBytes(0, image.data(), kImageSize);
}

// Answers the next modal question with `key` and hands back its default button.
void AnswerNextQuestion(int key, int* defaultButton) {
  QTimer::singleShot(0, [key, defaultButton] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    *defaultButton = box->standardButton(box->defaultButton());
    QTest::keyClick(box, static_cast<Qt::Key>(key));
  });
}
}  // namespace

class QuestionDefaultTest : public QObject {
  Q_OBJECT
 private slots:
  void destructiveQuestionsDefaultToNo_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("wrongChecksum");
    QTest::addColumn<QList<bool>>("earlierAnswers");
    QTest::addColumn<QString>("question");
    QTest::newRow("Clear Logs") << "btnClearLog" << false << QList<bool>{} << "Clear logs?";
    QTest::newRow("EEPROM write with wrong checksums")
        << "Button28" << true << QList<bool>{} << "Checksum values are wrong. Write EEPROM anyway?";
    QTest::newRow("checksums corrected before the write")
        << "Button28" << true << QList<bool>{true} << "Correct checksum values?";
  }
  void destructiveQuestionsDefaultToNo() {
    QFETCH(QString, button);
    QFETCH(bool, wrongChecksum);
    QFETCH(QList<bool>, earlierAnswers);
    QFETCH(QString, question);
    DetectorWindow w;
    QVERIFY(w.Connect());
    w.Click("btnrseep");
    if (wrongChecksum) SpoilChecksum(w.form());
    w.dialogs().yesNoAnswers.assign(earlierAnswers.begin(), earlierAnswers.end());
    w.Click(qPrintable(button));
    QCOMPARE(w.dialogs().questions.size(), earlierAnswers.size() + 1);
    QCOMPARE(w.dialogs().questions.last(), question);
    QCOMPARE(w.dialogs().questionDefaults.back(), DefaultAnswer::No);
  }

  // The toolkit's box: Enter presses the default button, Escape answers No.
  void toolkitBoxAnswersEnterWithItsDefault_data() {
    QTest::addColumn<int>("defaultAnswer");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<bool>("yes");
    const int no = QMessageBox::No, yes = QMessageBox::Yes;
    QTest::newRow("default No, Enter") << int(DefaultAnswer::No) << int(Qt::Key_Return) << no << false;
    QTest::newRow("default Yes, Enter") << int(DefaultAnswer::Yes) << int(Qt::Key_Return) << yes << true;
    QTest::newRow("default Yes, Escape") << int(DefaultAnswer::Yes) << int(Qt::Key_Escape) << yes << false;
  }
  void toolkitBoxAnswersEnterWithItsDefault() {
    QFETCH(int, defaultAnswer);
    QFETCH(int, key);
    QFETCH(int, defaultButton);
    QFETCH(bool, yes);
    QWidget owner;
    const std::unique_ptr<Dialogs> dialogs = MakeToolkitDialogs(&owner);
    int shownDefault = QMessageBox::NoButton;
    AnswerNextQuestion(key, &shownDefault);
    QCOMPARE(dialogs->AskYesNo(QStringLiteral("Clear logs?"), static_cast<DefaultAnswer>(defaultAnswer)), yes);
    QCOMPARE(shownDefault, defaultButton);
  }
};

QTEST_MAIN(QuestionDefaultTest)
#include "QuestionDefaultTest.moc"
