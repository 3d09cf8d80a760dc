#pragma once
// The Appearance dialog: what the board shows, its scale, colours, skin,
// font and dragged piece, with a live preview of the current position.
// Nothing reaches the main window before OK or Apply.

#include <QDialog>
#include <QImage>
#include <memory>

#include "core/view/appearance.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;

namespace velmora {

struct GameState;
struct MoveListing;

class AppearanceDialog : public QDialog {
  Q_OBJECT
 public:
  // The preview shows a copy of `game` at the listing's shown position.
  AppearanceDialog(const GameState& game, const MoveListing& listing, QWidget* parent);
  ~AppearanceDialog() override;

  void setControls(const AppearanceSettings& settings);
  // A whole record: the controls' fields over `settings`, which keeps the
  // skin number when a user skin is chosen.
  void readControls(AppearanceSettings& settings) const;

  // Draws the preview as it stands, 386 x 386 pixels from `topLeft`.
  void drawPreview(QPainter& painter, QPoint topLeft) const;

 signals:
  // OK or Apply put the controls into the global settings.
  void applied();

 private:
  void fillSkinList();
  void selectCurrentSkin();
  void loadPreviewSkin();
  void pickColoursFromSkin();
  void chooseColour(QPushButton* button);
  void setButtonColour(QPushButton* button, Colour colour);
  void dragControlsFollowShow();
  void apply();

  std::unique_ptr<GameState> scratch_;
  std::unique_ptr<MoveListing> listing_;
  QImage previewSkin_;  // the selected skin at tiles of 32
  static constexpr int kShowFlags = 7;
  QCheckBox* show_[kShowFlags];
  QRadioButton* scale_[kSquareSizeCount];
  static constexpr int kLargeScaleButtons = kLargeSquareSizeCount + 1;  // and "Fit to window"
  QRadioButton* largeScale_[kLargeScaleButtons];
  QPushButton* background_;
  QPushButton* ink_;
  QLabel* fontFace_;
  QCheckBox* dragShow_;
  QCheckBox* dragShadow_;
  QSlider* opacity_;
  QLabel* opacityLabels_[3];
  QListWidget* skins_;
  QWidget* preview_;
};

}  // namespace velmora
