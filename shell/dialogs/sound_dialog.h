#pragma once
// The Sound settings dialog: the four event sounds, each switched on or off
// and pointed at a wave file. Edits stay in the list until OK.

#include <QDialog>

#include "core/game/sound.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class SoundDialog : public QDialog {
  Q_OBJECT
 public:
  // OK writes the list into `table`.
  SoundDialog(SoundEventTable& table, QWidget* parent);

 private:
  void accept() override;
  // The selected row, after telling the player to select one when there is none.
  QTreeWidgetItem* selectedRow();
  void setEveryRowChecked(bool checked);
  void selectFile();

  SoundEventTable& table_;
  QTreeWidget* list_;
};

}  // namespace velmora
