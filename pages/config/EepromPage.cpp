// The EEPROM page: bytes 0..511 of the detector's EEPROM in the grid vleE2P,
// the [ONF] block 1024..1087 in vleE2P_log, and the actions on them. The grids
// are the page's only copy of the bytes; every action converts their values
// when it needs them.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

#include "E2pFile.h"
#include "EepromGrid.h"
#include "EepromLayout.h"
#include "FrmTestTKVU.h"
#include "Place.h"
#include "ProgramFolder.h"
#include "Tag.h"

namespace {
constexpr int kImageSize = memory::kImageSize;
constexpr int kOnfFirst = memory::kLogHeaderAddress;
constexpr int kOnfSize = memory::kLogHeaderSize;
constexpr int kOnfChecksum = layout::kOnfChecksum;
constexpr int kByte1023 = 1023;
constexpr int kByte500 = 500;
constexpr int kEepromPages = memory::kEepromSize / frame::kMaxData;  // 32 pages of 1024 bytes

constexpr uint8_t kReadMemory = 3;
constexpr uint8_t kWriteMemory = 4;
constexpr uint8_t kWriteMemoryValue = 5;
constexpr uint8_t kRefreshEeprom = 7;
constexpr int32_t kExtendedReadPage = 2;
constexpr int32_t kExtendedWriteByte = 5;
constexpr int32_t kExtendedReadByte = 6;
// The operator has already decided about the checksums: write them as they are.
constexpr int kWithoutChecksumTest = 255;

using RawAnswer = std::array<uint8_t, frame::kMaxAnswer>;

// Disables the button that started an action while the action runs, and gives
// it back the state it had on every way out, the conversion error box included.
class ButtonBusy {
 public:
  explicit ButtonBusy(QObject* sender)
      : button_(qobject_cast<QAbstractButton*>(sender)),
        wasEnabled_(button_ && button_->isEnabled()) {
    if (button_) button_->setEnabled(false);
  }
  ~ButtonBusy() {
    if (button_) button_->setEnabled(wasEnabled_);
  }
  ButtonBusy(const ButtonBusy&) = delete;
  ButtonBusy& operator=(const ButtonBusy&) = delete;

 private:
  QPointer<QAbstractButton> button_;
  bool wasEnabled_;
};

// The ranges a write button's Tag selects: 0 all three, 1 [LOB] and the rest of
// the low block, 2 [FCT], 3 [CFG] and the tail.
struct WriteRanges {
  int low, factory, config;
};
WriteRanges RangesOfTag(int tag) {
  switch (tag) {
    case 0:
      return {kWithoutChecksumTest, kWithoutChecksumTest, kWithoutChecksumTest};
    case 1:
      return {kWithoutChecksumTest, 0, 0};
    case 2:
      return {0, kWithoutChecksumTest, 0};
    case 3:
      return {0, 0, kWithoutChecksumTest};
    default:
      return {0, 0, 0};  // nothing selected: the write refuses it
  }
}

// A restore of the device's backup copy, and what the page does after it.
struct Restore {
  int (TKV::*operation)();
  const char* done;
  bool reRead;   // the grid shows the restored bytes
  bool setsOk;   // LastActionOk = 1
};
constexpr Restore kRestoreFactory{&TKV::RestoreFactoryArea, ">>Device e2p [FCT] area restored", true, false};
constexpr Restore kRestoreConfig{&TKV::RestoreConfigArea, ">>Device e2p [CFG] area restored", true, false};
constexpr Restore kRestoreLoop{&TKV::RestoreLoopArea, ">>Device e2p [LOB] area restored", true, false};
constexpr Restore kRestoreAll{&TKV::RestoreWholeEeprom, ">>Device e2p restored", true, true};
constexpr Restore kRestoreOnf{&TKV::RestoreOnfArea, ">>Device e2p [ONF] area restored", false, true};

void RunRestore(TFrmTestTKV& form, QObject* sender, const Restore& restore) {
  if (!form.RequireConnection()) return;
  {
    const ButtonBusy busy(sender);
    if (!(form.Device.get()->*restore.operation)()) {
      form.ReportLastError();
      return;
    }
  }
  form.LogLine(QString::fromLatin1(restore.done));
  if (restore.reRead) form.btnrseepClick(nullptr);
  if (restore.setsOk) form.LastActionOk = 1;
}

FileDialogRequest E2pDialog(const char* title) {
  return {QString::fromLatin1(title), QStringLiteral("EEPROM files (*.e2p)"), QStringLiteral("e2p"),
          DialogStartFolder()};
}

// Sub-command and argument bytes of command 36; the rest are sent as zeros.
std::vector<int32_t> Extended(std::initializer_list<int32_t> values) {
  std::vector<int32_t> params(frame::kParamCount, 0);
  std::copy(values.begin(), values.end(), params.begin());
  return params;
}

// After a grid is loaded the focus passes through the [ONF] grid and rests on
// the image grid. Only a page on show can take the focus; from another page
// there is nothing to move, and the load stands all the same.
void FocusThroughGrids(EepromGrid* onf, EepromGrid* image) {
  if (!image->isVisible()) return;
  onf->setFocus();
  image->setFocus();
}

// A grid placed on the page under its name.
EepromGrid* PlaceGrid(QWidget* page, const char* name, const QRect& geometry, EepromGrid::Kind kind) {
  auto* grid = new EepromGrid(page, kind);
  grid->setObjectName(QString::fromLatin1(name));
  grid->setGeometry(geometry);
  return grid;
}
}  // namespace

void TFrmTestTKV::BuildEepromPage(QWidget* page) {
  lblE2P = Place<QLabel>(page, "lblE2P", QRect(8, 4, 120, 16), "0 - 512");
  vleE2P = PlaceGrid(page, "vleE2P", QRect(8, 22, 561, 338), EepromGrid::Kind::Image);

  // Bytes 0..511, and the device's backup copy and the service actions.
  const int height = 25, step = 29, top = 22;
  const auto at = [&](int left, int width, int row) { return QRect(left, top + row * step, width, height); };
  const auto image = [&](int row) { return at(573, 115, row); };
  const auto device = [&](int row) { return at(692, 126, row); };
  btnrseep = Place<QPushButton>(page, "btnrseep", image(0), "read");
  Button28 = Place<QPushButton>(page, "Button28", image(1), "write");
  Button156 = Place<QPushButton>(page, "Button156", image(2), "write LOB area only");
  Button157 = Place<QPushButton>(page, "Button157", image(3), "write FCT area only");
  Button158 = Place<QPushButton>(page, "Button158", image(4), "write CFG area only");
  Button25 = Place<QPushButton>(page, "Button25", image(5), "clear grid");
  Button3 = Place<QPushButton>(page, "Button3", image(6), "upd chk");
  btnExportE2P = Place<QPushButton>(page, "btnExportE2P", image(7), "Export");
  btnImportE2P = Place<QPushButton>(page, "btnImportE2P", image(8), "Import");
  btnRefreshE2P = Place<QPushButton>(page, "btnRefreshE2P", image(9), "refresh fw RAM");
  SetTag(Button28, 0);
  SetTag(Button156, 1);
  SetTag(Button157, 2);
  SetTag(Button158, 3);
  Button26 = Place<QPushButton>(page, "Button26", device(0), "restore e2p [FCT] area");
  Button32 = Place<QPushButton>(page, "Button32", device(1), "restore e2p [CFG] area");
  Button33 = Place<QPushButton>(page, "Button33", device(2), "restore e2p [LOB] area");
  Button35 = Place<QPushButton>(page, "Button35", device(3), "restore ALL e2p ");
  Button31 = Place<QPushButton>(page, "Button31", device(4), "update e2p backup");
  Button40 = Place<QPushButton>(page, "Button40", device(6), "inc byte 1023");
  Button42 = Place<QPushButton>(page, "Button42", device(7), "write byte 3 = 255");
  Button45 = Place<QPushButton>(page, "Button45", device(8), "byte 500 ++");
  Button39 = Place<QPushButton>(page, "Button39", device(9), "export all E2P");

  // The [ONF] block.
  lblE2P_log = Place<QLabel>(page, "lblE2P_log", QRect(822, 4, 120, 16), "1024 - 1087");
  vleE2P_log = PlaceGrid(page, "vleE2P_log", QRect(822, 22, 188, 220), EepromGrid::Kind::Onf);
  btnReadE2P_log = Place<QPushButton>(page, "btnReadE2P_log", QRect(822, 248, 91, 25), "read");
  btnWriteE2P_log = Place<QPushButton>(page, "btnWriteE2P_log", QRect(919, 248, 91, 25), "write");
  cboChkOnf = Place<QCheckBox>(page, "cboChkOnf", QRect(824, 278, 120, 18), "update chk");
  btnClearE2P_log = Place<QPushButton>(page, "btnClearE2P_log", QRect(822, 301, 188, 25), "clear grid values");
  Button34 = Place<QPushButton>(page, "Button34", QRect(822, 330, 188, 25), "restore e2p [ONF] area");

  const std::array<uint8_t, kImageSize> zeros{};
  vleE2P->Fill(0, zeros.data(), kImageSize);
  vleE2P_log->Fill(kOnfFirst, zeros.data(), kOnfSize);

  Wire(btnrseep, &QPushButton::clicked, &TFrmTestTKV::btnrseepClick);
  for (QPushButton* write : {Button28, Button156, Button157, Button158})
    Wire(write, &QPushButton::clicked, &TFrmTestTKV::Button28Click);
  Wire(Button25, &QPushButton::clicked, &TFrmTestTKV::Button25Click);
  Wire(Button3, &QPushButton::clicked, &TFrmTestTKV::Button3Click);
  Wire(btnExportE2P, &QPushButton::clicked, &TFrmTestTKV::btnExportE2PClick);
  Wire(btnImportE2P, &QPushButton::clicked, &TFrmTestTKV::btnImportE2PClick);
  Wire(btnRefreshE2P, &QPushButton::clicked, &TFrmTestTKV::btnRefreshE2PClick);
  Wire(Button26, &QPushButton::clicked, &TFrmTestTKV::Button26Click);
  Wire(Button32, &QPushButton::clicked, &TFrmTestTKV::Button32Click);
  Wire(Button33, &QPushButton::clicked, &TFrmTestTKV::Button33Click);
  Wire(Button35, &QPushButton::clicked, &TFrmTestTKV::Button35Click);
  Wire(Button31, &QPushButton::clicked, &TFrmTestTKV::Button31Click);
  Wire(Button34, &QPushButton::clicked, &TFrmTestTKV::Button34Click);
  Wire(btnReadE2P_log, &QPushButton::clicked, &TFrmTestTKV::btnReadE2P_logClick);
  Wire(btnWriteE2P_log, &QPushButton::clicked, &TFrmTestTKV::btnWriteE2P_logClick);
  Wire(btnClearE2P_log, &QPushButton::clicked, &TFrmTestTKV::btnClearE2P_logClick);
  Wire(Button40, &QPushButton::clicked, &TFrmTestTKV::Button40Click);
  Wire(Button42, &QPushButton::clicked, &TFrmTestTKV::Button42Click);
  Wire(Button45, &QPushButton::clicked, &TFrmTestTKV::Button45Click);
  Wire(Button39, &QPushButton::clicked, &TFrmTestTKV::Button39Click);
}

QString TFrmTestTKV::E2PValue(const QString& key) const { return vleE2P->Value(key); }

void TFrmTestTKV::SetE2PValue(const QString& key, const QString& value) {
  vleE2P->SetValue(key, value);
}

// --- bytes 0..511 ---

void TFrmTestTKV::btnrseepClick(QObject* Sender) {
  if (!RequireConnection()) return;
  const ButtonBusy busy(Sender);
  std::array<uint8_t, kImageSize> image{};
  if (!Device->ReadEepromImage(image.data())) {
    ReportLastError();
    return;
  }
  vleE2P->Fill(0, image.data(), kImageSize);
  LogLine(QStringLiteral(">>Bytes 0-511 read!"));
}

void TFrmTestTKV::Button28Click(QObject* Sender) {
  if (!RequireConnection()) return;
  const ButtonBusy busy(Sender);
  std::vector<uint8_t> image = vleE2P->Bytes(0, kImageSize);
  if (!TKV::VerifyImageChecksums(image.data())) {
    // Enter neither writes nor changes the bytes the operator typed.
    if (!dialogs().AskYesNo(QStringLiteral("Checksum values are wrong. Write EEPROM anyway?"),
                            DefaultAnswer::No))
      return;
    if (dialogs().AskYesNo(QStringLiteral("Correct checksum values?"), DefaultAnswer::No)) {
      TKV::UpdateImageChecksums(image.data());
      LogLine(QStringLiteral(">>e2p bytes 0-511 checksums updated"));
      vleE2P->SetBytes(0, image.data(), kImageSize);
    }
  }
  const WriteRanges ranges = RangesOfTag(Tag(Sender));
  // Every range is read back: a detector that stores something else fails here.
  if (!Device->WriteEepromAreas(image.data(), ranges.low, ranges.factory, ranges.config)) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>Bytes 0-511 written!"));
  LastActionOk = 1;
}

void TFrmTestTKV::Button25Click(QObject*) {
  const std::array<uint8_t, kImageSize> zeros{};
  vleE2P->Fill(0, zeros.data(), kImageSize);
  LogLine(QStringLiteral(">>EEPROM grid values cleared!"));
}

void TFrmTestTKV::Button3Click(QObject* Sender) {
  const ButtonBusy busy(Sender);
  std::vector<uint8_t> image = vleE2P->Bytes(0, kImageSize);
  TKV::UpdateImageChecksums(image.data());
  vleE2P->SetBytes(0, image.data(), kImageSize);
}

void TFrmTestTKV::btnExportE2PClick(QObject*) {
  const std::optional<QString> path = dialogs().SaveFileName(E2pDialog("Save EEPROM (bytes 0-511) file"));
  if (!path) return;
  SaveE2pFile(*path, vleE2P->Rows());
  LogLine(QStringLiteral(">>File saved!"));
}

void TFrmTestTKV::btnImportE2PClick(QObject*) {
  const std::optional<QString> path = dialogs().OpenFileName(E2pDialog("Load EEPROM (bytes 0-511) file"));
  if (!path) {
    LastActionOk = 0;
    return;
  }
  // A binary or huge file would fill the grid with garbage: refused, grid kept.
  const E2pFileContents contents = LoadE2pFile(*path);
  if (!contents.error.isEmpty()) {
    LastActionOk = 0;
    LogLine(QStringLiteral(">>Grid values not updated!"));
    dialogs().Message(MessageKind::Error, contents.error);
    return;
  }
  vleE2P->SetRows(contents.rows);
  FocusThroughGrids(vleE2P_log, vleE2P);
  LogLine(QStringLiteral(">>Grid values updated!"));
  LastActionOk = 1;
}

void TFrmTestTKV::btnRefreshE2PClick(QObject*) {
  if (!RequireConnection()) return;
  RawAnswer answer{};
  if (!Device->SendCommand(kRefreshEeprom, 0, 0, {}, nullptr, answer.data())) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>ASD eeprom refreshed!"));
}

// --- the device's backup copy ---

void TFrmTestTKV::Button26Click(QObject* Sender) { RunRestore(*this, Sender, kRestoreFactory); }
void TFrmTestTKV::Button32Click(QObject* Sender) { RunRestore(*this, Sender, kRestoreConfig); }
void TFrmTestTKV::Button33Click(QObject* Sender) { RunRestore(*this, Sender, kRestoreLoop); }
void TFrmTestTKV::Button35Click(QObject* Sender) { RunRestore(*this, Sender, kRestoreAll); }
void TFrmTestTKV::Button34Click(QObject* Sender) { RunRestore(*this, Sender, kRestoreOnf); }

void TFrmTestTKV::Button31Click(QObject* Sender) {
  if (!RequireConnection()) return;
  const ButtonBusy busy(Sender);
  if (!Device->UpdateBackupArea()) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>Device backup area updated"));
  LastActionOk = 1;
}

// --- the [ONF] block ---

void TFrmTestTKV::btnReadE2P_logClick(QObject*) {
  if (!RequireConnection()) return;
  RawAnswer answer{};
  if (!Device->SendCommand(kReadMemory, 0, kOnfSize, frame::MemoryParams(kOnfFirst, kOnfSize),
                           nullptr, answer.data())) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>Bytes 1024-1087 read!"));
  vleE2P_log->Fill(kOnfFirst, answer.data() + 1, kOnfSize);
  FocusThroughGrids(vleE2P_log, vleE2P);
}

// With "update chk" the checksum byte sent is the seeded sum of the other 63;
// the grid keeps showing the value typed there.
void TFrmTestTKV::btnWriteE2P_logClick(QObject*) {
  if (!RequireConnection()) return;
  const std::vector<uint8_t> bytes = vleE2P_log->Bytes(kOnfFirst, kOnfChecksum);
  std::array<uint8_t, kOnfSize> block{};
  unsigned sum = static_cast<unsigned>(memory::kLogHeaderArea.seed);
  for (int i = 0; i < kOnfChecksum; ++i) {
    block[static_cast<size_t>(i)] = bytes[static_cast<size_t>(i)];
    sum += bytes[static_cast<size_t>(i)];
  }
  block[kOnfChecksum] = cboChkOnf->isChecked() ? static_cast<uint8_t>(sum)
                                                : vleE2P_log->Bytes(kOnfFirst + kOnfChecksum, 1)[0];
  RawAnswer answer{};
  if (!Device->SendCommand(kWriteMemory, kOnfSize, 0, frame::MemoryParams(kOnfFirst, kOnfSize),
                           block.data(), answer.data())) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>Bytes 1024-1087 written!"));
}

void TFrmTestTKV::btnClearE2P_logClick(QObject*) {
  const std::array<uint8_t, kOnfSize> zeros{};
  vleE2P_log->Fill(kOnfFirst, zeros.data(), kOnfSize);
  LogLine(QStringLiteral(">>Grid values cleared!"));
}

// --- service actions ---

void TFrmTestTKV::Button40Click(QObject*) {
  if (!RequireConnection()) return;
  const frame::Params byte1023 = frame::MemoryParams(kByte1023, 1);
  RawAnswer answer{};
  if (!Device->SendCommand(kReadMemory, 0, 1, byte1023, nullptr, answer.data())) {
    ReportLastError();
    return;
  }
  const uint8_t next = static_cast<uint8_t>(answer[1] + 1);
  if (!Device->SendCommand(kWriteMemory, 1, 0, byte1023, &next, answer.data())) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>Bytes 1023 written!"));
}

void TFrmTestTKV::Button42Click(QObject*) {
  if (!RequireConnection()) return;
  frame::Params params = frame::MemoryParams(3, 1);
  params[4] = 255;
  const uint8_t data = 0;
  RawAnswer answer{};
  if (!Device->SendCommand(kWriteMemoryValue, 1, 0, params, &data, answer.data())) {
    ReportLastError();
    return;
  }
  LogLine(QStringLiteral(">>Bytes 3 written!"));
}

void TFrmTestTKV::Button45Click(QObject*) {
  if (!RequireConnection()) return;
  ClearConsole();
  const int32_t low = kByte500 % 256, high = kByte500 / 256;
  const std::vector<int32_t> data(frame::kMaxData, 0);
  std::vector<int32_t> answer(frame::kMaxData, 0);
  if (!Device->ExtendedCommand(Extended({kExtendedReadByte, low, high}).data(), data.data(),
                               answer.data())) {
    ReportLastError();
    return;
  }
  const int32_t next = (answer[0] + 1) % 256;
  if (!Device->ExtendedCommand(Extended({kExtendedWriteByte, low, high, next}).data(), data.data(),
                               answer.data())) {
    ReportLastError();
    return;
  }
  dialogs().Message(MessageKind::Information, QStringLiteral("Done!"));
}

// The whole EEPROM, page by page, each page one console entry of 1024 lines.
void TFrmTestTKV::Button39Click(QObject*) {
  if (!RequireConnection()) return;
  LogLine(QStringLiteral(">>>--EEPROM-------------------"));
  const std::vector<int32_t> data(frame::kMaxData, 0);
  std::vector<int32_t> answer(frame::kMaxData, 0);
  for (int32_t page = 0; page < kEepromPages; ++page) {
    if (!Device->ExtendedCommand(Extended({kExtendedReadPage, page}).data(), data.data(),
                                 answer.data())) {
      ReportLastError();
      return;
    }
    QStringList lines;
    lines.reserve(frame::kMaxData);
    for (int i = 0; i < frame::kMaxData; ++i)
      lines << QStringLiteral("%1=%2").arg(page * frame::kMaxData + i).arg(answer[static_cast<size_t>(i)]);
    LogLine(lines.join(QStringLiteral("\r\n")));
  }
  LogLine(QStringLiteral("<<<--EEPROM-------------------"));
}
