#include "ComPortsDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "serial/PortDirectory.h"

ComPortsDialog::ComPortsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlgComPorts"));
  setWindowTitle(QStringLiteral("COM ports"));
  resize(560, 260);
  table_ = new QTableWidget(0, 3, this);
  table_->setObjectName(QStringLiteral("tblComPorts"));
  table_->setHorizontalHeaderLabels(
      {QStringLiteral("COM"), QStringLiteral("Device"), QStringLiteral("Description")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  // Activation is a double-click, or Enter on the current row.
  connect(table_, &QTableWidget::activated, this, &ComPortsDialog::Choose);
  auto* howTo = new QLabel(QStringLiteral("Double-click a port, or select it and press Enter, "
                                          "to put its number in the COM field."),
                           this);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* refresh = buttons->addButton(QStringLiteral("Refresh"), QDialogButtonBox::ActionRole);
  connect(refresh, &QPushButton::clicked, this, &ComPortsDialog::Refresh);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // Enter belongs to the table: no button takes it as the dialog's default.
  for (QAbstractButton* button : buttons->buttons())
    if (auto* push = qobject_cast<QPushButton*>(button)) push->setAutoDefault(false);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(howTo);
  layout->addWidget(table_);
  layout->addWidget(buttons);
}

void ComPortsDialog::Refresh() {
  const std::vector<serial::ComPortEntry> ports = serial::ListComPorts();
  table_->setRowCount(static_cast<int>(ports.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const serial::ComPortEntry& port = ports[static_cast<size_t>(row)];
    auto* com = new QTableWidgetItem(QStringLiteral("COM%1").arg(port.number));
    com->setData(Qt::UserRole, port.number);
    table_->setItem(row, 0, com);
    table_->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(port.devicePath)));
    table_->setItem(row, 2, new QTableWidgetItem(QString::fromStdString(port.description)));
  }
  table_->resizeColumnToContents(0);
  table_->resizeColumnToContents(1);
}

void ComPortsDialog::Choose(const QModelIndex& index) {
  const QTableWidgetItem* com = table_->item(index.row(), 0);
  if (!com) return;
  emit PortChosen(com->data(Qt::UserRole).toUInt());
  accept();
}
