#pragma once
// The Save game dialog: the file name of the saved game, proposed from the
// players, the date and the variant.

#include <QDate>
#include <QDialog>
#include <QLocale>
#include <optional>
#include <string>

class QLineEdit;

namespace velmora {

struct GameState;

class SaveGameDialog : public QDialog {
  Q_OBJECT
 public:
  SaveGameDialog(const std::string& proposedName, QWidget* parent);

  // The name typed, without folder or extension.
  std::string name() const;

 private:
  void accept() override;

  QLineEdit* edit_;
};

// `date` in the locale's short date format with the month as a number: a
// month name would depend on the locale's data and leave only underscores
// in a file name.
QString numericShortDate(const QLocale& locale, const QDate& date);

// The name to save the game under, or nothing when the dialog was cancelled.
std::optional<std::string> runSaveDialog(const GameState& game, QWidget* parent);

}  // namespace velmora
