#include "shell/dialogs/font_dialog.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include "core/view/appearance.h"
#include "shell/dialogs/fixed_size.h"
#include "shell/paint/renderer.h"

namespace velmora {

namespace {

// The board's texts in the chosen family, in the colours of the board as it
// is now (not as the Appearance dialog may be about to make it).
class Sample : public QWidget {
 public:
  explicit Sample(const QListWidget* list) : list_(list) {
    setObjectName("id1036");
    setFixedSize(200, 180);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, toQColor(appearance.backgroundColour));
    AppearanceSettings sample = appearance;
    if (const QListWidgetItem* item = list_->currentItem()) sample.fontFace = item->text().toStdString();
    p.setFont(boardFont(sample));
    p.setPen(toQColor(appearance.inkColour));
    p.drawText(QRect(r.left(), r.top(), r.width(), r.height() / 2), Qt::AlignHCenter | Qt::AlignBottom, "ABCDEFGHI");
    p.drawText(QRect(r.left(), r.height() / 2, r.width(), r.height() - r.height() / 2), Qt::AlignHCenter | Qt::AlignTop,
               "0123456789");
  }

 private:
  const QListWidget* list_;
};

}  // namespace

int findFaceByPrefix(const QStringList& faces, const QString& prefix) {
  for (int i = 0; i < faces.size(); ++i)
    if (faces[i].startsWith(prefix, Qt::CaseInsensitive)) return i;
  return 0;
}

FontDialog::FontDialog(const QString& current, QWidget* parent) : QDialog(parent), list_(new QListWidget) {
  setWindowTitle("Font chooser");
  list_->setObjectName("id1014");
  list_->setAccessibleName("Fonts");
  list_->setFixedSize(200, 180);
  // Only outline fonts: the board's texts are drawn at any scale.
  QStringList faces;
  for (const QString& family : QFontDatabase::families())
    if (QFontDatabase::isSmoothlyScalable(family) && !QFontDatabase::isBitmapScalable(family) &&
        !faces.contains(family))
      faces << family;
  faces.sort(Qt::CaseInsensitive);
  list_->addItems(faces);
  if (!faces.isEmpty()) list_->setCurrentRow(findFaceByPrefix(faces, current));

  auto* sample = new Sample(list_);
  auto* ok = new QPushButton("OK");
  ok->setObjectName("id1");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel");
  cancel->setObjectName("id2");
  cancel->setAutoDefault(false);
  auto* layout = new QGridLayout(this);
  layout->addWidget(list_, 0, 0, 3, 1);
  layout->addWidget(sample, 0, 1, 3, 1);
  layout->addWidget(ok, 0, 2);
  layout->addWidget(cancel, 1, 2);
  layout->setRowStretch(2, 1);

  connect(list_, &QListWidget::currentRowChanged, sample, qOverload<>(&QWidget::update));
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  makeFixedSize(this);
}

QString FontDialog::face() const { return list_->currentItem() ? list_->currentItem()->text() : QString(); }

}  // namespace velmora
