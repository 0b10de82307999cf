#pragma once
#include <QDialog>

class QTableWidget;

// The hardware manager of this tool: the COM numbers Connect understands,
// with the device each one opens, exactly as Connect resolves them.
class ComPortsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ComPortsDialog(QWidget* parent = nullptr);
  // Reads the port table again.
  void Refresh();

 private:
  QTableWidget* table_;
};
