#pragma once
// The Load game dialog: the saved games of the Save folder, the final
// position of the selected one, deleting files, and choosing one to play.

#include <QDialog>
#include <QImage>
#include <QString>

class QListWidget;
class QPushButton;
class QWidget;

namespace velmora {

struct GameState;

class LoadGameDialog : public QDialog {
  Q_OBJECT
 public:
  // Each selected game is read into `preview`; after OK it holds the game
  // chosen. `skin` is the current full-size skin.
  LoadGameDialog(GameState& preview, const QImage& skin, QWidget* parent);

  // What the preview area says instead of a board; empty while it shows one.
  QString statusText() const { return statusText_; }

 private:
  void fillList();
  void updateButtons();
  void selectionChanged();
  void deleteSelected();
  void paintPreview(QPainter& painter);

  GameState& preview_;
  QImage fullSkin_;  // tiles of 64
  QImage halfSkin_;  // tiles of 32
  QString statusText_;
  QListWidget* list_;
  QWidget* previewArea_;
  QPushButton* ok_;
  QPushButton* delete_;
};

}  // namespace velmora
