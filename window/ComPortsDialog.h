#pragma once
#include <QDialog>

class QModelIndex;
class QTableWidget;

// The hardware manager of this tool: the COM numbers Connect understands,
// with the device each one opens, exactly as Connect resolves them.
// Double-click or Enter on a row picks its port and closes the dialog.
class ComPortsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ComPortsDialog(QWidget* parent = nullptr);
  // Reads the port table again.
  void Refresh();

 signals:
  void PortChosen(unsigned number);

 private:
  void Choose(const QModelIndex& index);

  QTableWidget* table_;
};
