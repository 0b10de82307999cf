#pragma once
#include <QString>
#include <memory>
#include <optional>

class QWidget;

// Plain: no icon, one OK button.
enum class MessageKind { Information, Warning, Error, Plain };

// The button Enter presses in a Yes/No question. A question whose Yes erases
// or overwrites data on the detector defaults to No.
enum class DefaultAnswer { Yes, No };

// What a file dialog shows: its title, a filter such as "TXT files (*.TXT)",
// the extension added to a bare name, and the folder it opens in.
struct FileDialogRequest {
  QString title;
  QString filter;
  QString defaultSuffix;
  QString folder;
};

// Every modal question the window asks. The toolkit's boxes by default; tests
// answer them by script.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void Message(MessageKind kind, const QString& text) = 0;
  // A warning with Yes and No; Enter answers `defaultAnswer`, Escape answers No.
  virtual bool AskYesNo(const QString& text, DefaultAnswer defaultAnswer) = 0;
  // The chosen file, or nothing when the user cancels.
  virtual std::optional<QString> SaveFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<QString> OpenFileName(const FileDialogRequest& request) = 0;
};

// The toolkit's own boxes, owned by `owner`, captioned with the application title.
std::unique_ptr<Dialogs> MakeToolkitDialogs(QWidget* owner);
