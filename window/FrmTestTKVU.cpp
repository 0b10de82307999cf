#include "FrmTestTKVU.h"

#include <QApplication>
#include <algorithm>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStyle>
#include <QStatusBar>
#include <QTabWidget>

#include "ConsoleMemo.h"
#include "Place.h"
#include "RunProgress.h"

namespace {
constexpr QSize kClientSize(531, 315);
// Large enough for the page control at 122,348 (1018 x 393) and the status bar under it.
constexpr QSize kEngineeringSize(1148, 768);
constexpr int kStatusBarHeight = 19;

// The engineering pages, in page-control order, with their object names.
struct PageEntry {
  const char* name;
  const char* caption;
};
constexpr PageEntry kPages[] = {
    {"tsManagement", "Management"},
    {"tsEeprom", "EEPROM"},
    {"tsCommonParams", "Common parameters"},
    {"tsVariantsParams", "Variants parameters"},
    {"TabSheet1", "Admin #1"},
    {"TabSheet2", "Admin #2"},
    {"TabSheet6", "Admin #3"},
    {"TabSheet7", "Manual EOL"},
    {"TabSheet9", "Flow graph"},
};

QLineEdit* DigitsOnly(QLineEdit* edit) {
  edit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  return edit;
}
}  // namespace

TFrmTestTKV::TFrmTestTKV(std::unique_ptr<Dialogs> dialogs, QWidget* parent)
    : QWidget(parent),
      dialogs_(dialogs ? std::move(dialogs) : MakeToolkitDialogs(this)) {
  setObjectName(QStringLiteral("FrmTestTKV"));
  setWindowTitle(QStringLiteral("VOREN XR diagnostic v1.3"));
  setFixedSize(kClientSize);
  QFont small = font();  // the desktop's face at the size the layout was drawn for
  small.setPointSize(8);
  setFont(small);
  BuildVisibleArea();
  BuildPages();
  qApp->installEventFilter(this);
  FormCreate();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

TFrmTestTKV::~TFrmTestTKV() = default;

void TFrmTestTKV::BuildVisibleArea() {
  BuildConnectionPanel();
  BuildFieldCommands();

  memLog = Place<ConsoleMemo>(this, "memLog", QRect(200, 8, 321, 242));
  QPalette palette = memLog->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
  palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
  memLog->setPalette(palette);
  QFont terminal = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  terminal.setPointSize(7);
  memLog->setFont(terminal);

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->setAutoFillBackground(true);
  statusText_ = new QLabel(StatusBar1);
  StatusBar1->addWidget(statusText_);
  statusDetail_ = new QLabel(StatusBar1);
  statusDetail_->setObjectName(QStringLiteral("lblLinkDetail"));
  StatusBar1->addWidget(statusDetail_, 1);
  Progress = new RunProgress(StatusBar1);
  ShowConnectionState(false);
}

void TFrmTestTKV::BuildConnectionPanel() {
  GroupBox27 = Place<QGroupBox>(this, "GroupBox27", QRect(8, 8, 185, 80));
  GroupBox27->setTitle(QStringLiteral(" CONNECTION "));
  Label1 = Place<QLabel>(GroupBox27, "Label1", QRect(10, 24, 28, 17), "COM");
  Edit1 = DigitsOnly(Place<QLineEdit>(GroupBox27, "Edit1", QRect(40, 20, 40, 22)));
  btnShowDevMan = Place<QPushButton>(GroupBox27, "btnShowDevMan", QRect(148, 18, 26, 26));
  btnShowDevMan->setIcon(style()->standardIcon(QStyle::SP_ComputerIcon));
  btnShowDevMan->setToolTip(QStringLiteral("Open hardware manager"));
  Button1 = Place<QPushButton>(GroupBox27, "Button1", QRect(8, 48, 82, 25), "Connect");
  Button2 = Place<QPushButton>(GroupBox27, "Button2", QRect(95, 48, 82, 25), "Disconnect");
  Wire(Button1, &QPushButton::clicked, &TFrmTestTKV::Button1Click);
  Wire(Button2, &QPushButton::clicked, &TFrmTestTKV::Button2Click);
  Wire(btnShowDevMan, &QPushButton::clicked, &TFrmTestTKV::btnShowDevManClick);
  connect(Edit1, &QLineEdit::returnPressed, Button1, &QPushButton::click);  // Enter connects
}

void TFrmTestTKV::BuildFieldCommands() {
  btndiag = Place<QPushButton>(this, "btndiag", QRect(8, 96, 185, 25), "EXECUTE DIAGNOSTIC");
  chkfulldiag = Place<QCheckBox>(this, "chkfulldiag", QRect(12, 124, 180, 18), "FULL DIAGNOSTIC");
  chktestalarms = Place<QCheckBox>(this, "chktestalarms", QRect(12, 144, 180, 18), "TEST ALARMS");
  btnlog = Place<QPushButton>(this, "btnlog", QRect(8, 166, 185, 25), "RETRIEVE LOG");
  btnres = Place<QPushButton>(this, "btnres", QRect(8, 196, 90, 25), "RESET DEVICE");
  btnabort = Place<QPushButton>(this, "btnabort", QRect(103, 196, 90, 25), "ABORT");
  btnabort->setEnabled(false);
  Label112 = Place<QLabel>(this, "Label112", QRect(8, 231, 56, 17), "Trend log:");
  edtTrendLog = DigitsOnly(Place<QLineEdit>(this, "edtTrendLog", QRect(66, 228, 40, 22)));
  edtTrendLog->setText(QStringLiteral("0"));
  Label113 = Place<QLabel>(this, "Label113", QRect(110, 231, 24, 17), "min");
  btnTrendLog = Place<QPushButton>(this, "btnTrendLog", QRect(8, 256, 185, 25), "SET TREND LOG");
  // Just below the client area, like the engineering pages.
  edtRamValue = Place<QLineEdit>(this, "edtRamValue", QRect(8, 322, 60, 22));
  btnSetRam = Place<QPushButton>(this, "btnSetRam", QRect(72, 320, 70, 25), "set RAM");
  Wire(btndiag, &QPushButton::clicked, &TFrmTestTKV::btndiagClick);
  Wire(btnTrendLog, &QPushButton::clicked, &TFrmTestTKV::btnTrendLogClick);
  Wire(btnlog, &QPushButton::clicked, &TFrmTestTKV::btnlogClick);
  Wire(btnres, &QPushButton::clicked, &TFrmTestTKV::btnresClick);
  Wire(btnSetRam, &QPushButton::clicked, &TFrmTestTKV::btnSetRamClick);
}

void TFrmTestTKV::BuildPages() {
  PageControl1 = Place<QTabWidget>(this, "PageControl1", QRect(122, 348, 1018, 393));
  for (const PageEntry& entry : kPages) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(entry.name));
    PageControl1->addTab(page, QString::fromLatin1(entry.caption));
  }
  BuildManagementPage(PageControl1->widget(0));
  BuildEepromPage(PageControl1->widget(1));
  BuildCommonParamsPage(PageControl1->widget(2));
  BuildVariantsParamsPage(PageControl1->widget(3));
  BuildAdmin1Page(PageControl1->widget(4));
  BuildAdmin2Page(PageControl1->widget(5));
  BuildFlowLogPage(PageControl1->widget(6));
  BuildManualEolPage(PageControl1->widget(7));
  BuildFlowGraphPage(PageControl1->widget(8));
}

void TFrmTestTKV::FormCreate() { PageControl1->setCurrentIndex(0); }

void TFrmTestTKV::FormKeyDown(QKeyEvent* Key) {
  EolTakeKey(Key->key());
  if (Key->key() == Qt::Key_E && Key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)) {
    ShowEngineeringPages(!engineeringShown_);
    Key->accept();
  }
}

void TFrmTestTKV::ShowEngineeringPages(bool shown) {
  if (shown == engineeringShown_) return;
  engineeringShown_ = shown;
  // Taken before the size changes: a window manager may apply the new size
  // later, and may move the window's corner while it does.
  const QRect before = frameGeometry();
  const QSize frameExtra = before.size() - size();
  setFixedSize(shown ? kEngineeringSize : kClientSize);
  if (!shown) {
    // Back where it grew from, unless the operator has moved it since.
    move(before.topLeft() == grownAt_ ? grownFrom_ : before.topLeft());
    return;
  }
  // Grown at its top-left corner, and moved only as far as it takes to stay
  // on the screen; a screen too small for it gets its top-left corner.
  QRect frame(before.topLeft(), kEngineeringSize + frameExtra);
  if (const QScreen* screen = this->screen()) {
    const QRect room = screen->availableGeometry();
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveLeft(std::max(frame.left(), room.left()));
    frame.moveTop(std::max(frame.top(), room.top()));
  }
  grownFrom_ = before.topLeft();
  grownAt_ = frame.topLeft();
  move(grownAt_);
}

bool TFrmTestTKV::eventFilter(QObject* watched, QEvent* event) {
  // A key goes first to the focused control and then up through its parents;
  // preview it once, at its first receiver inside this window.
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    const QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (widget == first && widget->window() == this) {
      auto* key = static_cast<QKeyEvent*>(event);
      key->ignore();
      FormKeyDown(key);
      if (key->isAccepted()) return true;
      key->accept();
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TFrmTestTKV::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  StatusBar1->setGeometry(0, height() - kStatusBarHeight, width(), kStatusBarHeight);
}
