#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "Dialogs.h"

namespace {

class ToolkitDialogs : public Dialogs {
 public:
  explicit ToolkitDialogs(QWidget* owner) : owner_(owner) {}

  void Message(MessageKind kind, const QString& text) override {
    const QString title = QCoreApplication::applicationName();
    switch (kind) {
      case MessageKind::Information: QMessageBox::information(owner_, title, text); break;
      case MessageKind::Warning: QMessageBox::warning(owner_, title, text); break;
      case MessageKind::Error: QMessageBox::critical(owner_, title, text); break;
      case MessageKind::Plain:
        QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner_).exec();
        break;
    }
  }

  bool AskYesNo(const QString& text, DefaultAnswer defaultAnswer) override {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text,
                    QMessageBox::Yes | QMessageBox::No, owner_);
    box.setDefaultButton(defaultAnswer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
  }

  std::optional<QString> SaveFileName(const FileDialogRequest& request) override {
    return Run(request, QFileDialog::AcceptSave);
  }
  std::optional<QString> OpenFileName(const FileDialogRequest& request) override {
    return Run(request, QFileDialog::AcceptOpen);
  }

 private:
  std::optional<QString> Run(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner_, request.title, request.folder, request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
      return std::nullopt;
    return dialog.selectedFiles().constFirst();
  }

  QWidget* owner_;
};

}  // namespace

std::unique_ptr<Dialogs> MakeToolkitDialogs(QWidget* owner) {
  return std::make_unique<ToolkitDialogs>(owner);
}
