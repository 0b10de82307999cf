// A save that fails names the cause the system gave in its error box and
// leaves the file it was to replace byte for byte as it was, on each of the
// window's save paths: a full disk, a read-only file system, a folder the
// user may not write into.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>
#include <optional>

#include "DetectorWindow.h"
#include "Guard.h"
#include "SmallFileSystem.h"

namespace {
QString namespaceProblem;  // why this process shares its mounts, if it does

enum Place { FullDisk, ReadOnlyFileSystem, ReadOnlyFolder };

const QByteArray kOldFile = "the file saved before\r\n";

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot be read)");
}

bool WriteOldFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(kOldFile) == kOldFile.size();
}

// A folder its owner may read but not write into, for as long as this lives.
class ReadOnlyFolderScope {
 public:
  explicit ReadOnlyFolderScope(const QString& folder) : folder_(folder) {
    ok_ = QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner);
  }
  ~ReadOnlyFolderScope() {
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  bool ok() const { return ok_; }

 private:
  QString folder_;
  bool ok_ = false;
};

// Saves through the window, the scripted file dialog answering `path`.
void Save(DetectorWindow& w, const QString& action, const QString& path) {
  w.dialogs().fileAnswers = {path};
  if (action == "E2P export")
    w.Click("btnExportE2P");
  else if (action == "EOL log")
    w.Click("Button38");
  else
    RunGuarded(w.dialogs(), [&] { w.form().mnuSaveGraphClick(nullptr); });
}
}  // namespace

class SaveErrorTest : public QObject {
  Q_OBJECT
 private slots:
  void failedSaveNamesTheCauseAndKeepsTheOldFile_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("cause");
    for (const char* action : {"E2P export", "EOL log", "graph as PNG"}) {
      const QByteArray name(action);
      QTest::newRow(name + ", full disk") << action << int(FullDisk) << "No space left on device";
      QTest::newRow(name + ", read-only file system")
          << action << int(ReadOnlyFileSystem) << "Read-only file system";
      QTest::newRow(name + ", read-only folder") << action << int(ReadOnlyFolder) << "Permission denied";
    }
  }
  void failedSaveNamesTheCauseAndKeepsTheOldFile() {
    QFETCH(QString, action);
    QFETCH(int, place);
    QFETCH(QString, cause);
    std::unique_ptr<testsupport::SmallFileSystem> disk;
    QTemporaryDir plainFolder;
    QString folder = plainFolder.path();
    if (place == ReadOnlyFolder) {
      if (geteuid() == 0) QSKIP("running as root, who writes into a read-only folder all the same");
    } else {
      disk = std::make_unique<testsupport::SmallFileSystem>(namespaceProblem);
      if (!disk->WhyNot().isEmpty()) QSKIP(qPrintable(disk->WhyNot()));
      folder = disk->path();
    }
    const QString path = QDir(folder).filePath(QStringLiteral("saved.txt"));
    QVERIFY(WriteOldFile(path));
    std::optional<ReadOnlyFolderScope> readOnly;
    switch (place) {
      case FullDisk: QVERIFY(disk->Fill()); break;
      case ReadOnlyFileSystem: QVERIFY(disk->MakeReadOnly()); break;
      case ReadOnlyFolder: QVERIFY(readOnly.emplace(folder).ok()); break;
    }
    const QStringList present = QDir(folder).entryList(QDir::Files | QDir::Hidden);

    DetectorWindow w;
    Save(w, action, path);

    QCOMPARE(w.dialogs().messages.size(), size_t{1});
    QCOMPARE(w.dialogs().messages[0].kind, MessageKind::Error);
    QCOMPARE(w.dialogs().messages[0].text, QStringLiteral("Cannot create file \"%1\". %2").arg(path, cause));
    QCOMPARE(ReadAll(path), kOldFile);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), present);  // no temporary file left
    QVERIFY(!w.Console().contains(QStringLiteral(">>File saved!")));
  }
};

int main(int argc, char** argv) {
  namespaceProblem = testsupport::EnterPrivateMountNamespace();
  QApplication application(argc, argv);
  SaveErrorTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "SaveErrorTest.moc"
