// The Customize menu's dialogs on the offscreen platform: sounds, the
// appearance with its skins and preview, and the font chooser; and the
// sound output on a machine without an audio device.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "core/game/game_state.h"
#include "core/game/new_game.h"
#include "core/game/sound.h"
#include "core/platform/host.h"
#include "core/platform/wave.h"
#include "core/records/listing.h"
#include "core/view/appearance.h"
#include "shell/board_widget.h"
#include "shell/dialogs/appearance_dialog.h"
#include "shell/dialogs/font_dialog.h"
#include "shell/dialogs/sound_dialog.h"
#include "shell/main_window.h"
#include "shell/paint/renderer.h"
#include "shell/paint/skins.h"
#include "shell/system/audio_output.h"
#include "shell/system/host_qt.h"
#include "tests/shell/window_test_support.h"

namespace velmora {
namespace {

using test::messages;
using test::whenOpen;

// The game's working folder for one test, with our sounds and example skin.
struct WorkDir {
  QTemporaryDir dir;
  QString previous = QDir::currentPath();
  WorkDir() {
    QDir::setCurrent(dir.path());
    for (const char* folder : {"Sound", "SKIN"}) {
      QDir().mkpath(folder);
      for (const QString& f : QDir(QString(VELMORA_MEDIA_DIR "/") + folder).entryList(QDir::Files))
        QFile::copy(QString(VELMORA_MEDIA_DIR "/%1/%2").arg(folder, f), QString("%1/%2").arg(folder, f));
    }
  }
  ~WorkDir() {
    QDir::setCurrent(previous);
    appearance = defaultAppearance;
  }
};

void screenshot(QWidget* widget, const QString& name) {
  QDir().mkpath(QDir::temp().filePath("velmora-screenshots"));
  widget->grab().save(QDir::temp().filePath("velmora-screenshots/" + name + ".png"));
}

template <class T>
T* child(QWidget* w, int id) {
  T* found = w->findChild<T*>(QString("id%1").arg(id));
  EXPECT_NE(found, nullptr) << id;
  return found;
}

void click(QWidget* w, int id) { child<QPushButton>(w, id)->click(); }

// The window over a game of two people; every question is answered Yes.
struct Game : test::Window {
  explicit Game(GameType type) : test::Window(type) { test::answerYes = true; }
};

TEST(SoundOutput, OurDefaultSoundsAreShortWaves) {
  for (const char* name : {"Capture", "Error", "Movement", "Promotion"}) {
    const auto sound = readWaveFile(std::string(VELMORA_MEDIA_DIR "/Sound/") + name + ".wav");
    ASSERT_TRUE(sound.has_value()) << name;
    EXPECT_GT(sound->durationMs(), 50) << name;
    EXPECT_LT(sound->durationMs(), 1000) << name;  // a three-piece capture stays brisk
  }
  EXPECT_EQ(QImage(VELMORA_MEDIA_DIR "/SKIN/Mint.bmp").size(), QSize(384, 448));
}

// The sounds of a capture come a board step apart, shorter than the time an
// audio server takes to drain a stream: each must start when asked for,
// not after the one before has drained.
TEST(SoundOutput, ASoundStartsWhileTheOneBeforeIsStillDraining) {
  WorkDir work;
  // Shared with the sound threads, which may outlive the test by a moment.
  struct Sink {
    std::mutex mutex;
    std::condition_variable released;
    bool drained = false;
    std::atomic<int> started{0}, cut{0};
  };
  const auto sink = std::make_shared<Sink>();
  setSoundSink([sink](const WaveSound&, const std::atomic<bool>& cancelled) {
    ++sink->started;
    std::unique_lock lock(sink->mutex);
    // Every sound drains until the test lets it go or it is cut off, as the
    // server's stream checks between its chunks; a minute at most.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!sink->drained && !cancelled && std::chrono::steady_clock::now() < giveUp)
      sink->released.wait_for(lock, std::chrono::milliseconds(10));
    if (cancelled) ++sink->cut;
  });
  playWaveFile(".\\Sound\\Capture.wav", {});
  playWaveFile(".\\Sound\\Capture.wav", {});
  playWaveFile(".\\Sound\\Promotion.wav", {});
  EXPECT_TRUE(QTest::qWaitFor([&] { return sink->started == 3; }, 60000));
  // A trial from the Sound dialog gives way to the next sound.
  playWaveFileInBackground(".\\Sound\\Movement.wav");
  EXPECT_TRUE(QTest::qWaitFor([&] { return sink->started == 4; }, 60000));
  playWaveFile(".\\Sound\\Capture.wav", {});
  EXPECT_TRUE(QTest::qWaitFor([&] { return sink->cut == 1 && sink->started == 5; }, 60000));
  {
    std::lock_guard lock(sink->mutex);
    sink->drained = true;
  }
  sink->released.notify_all();
  setSoundSink({});
}

TEST(SoundOutput, TheGameWaitsForASoundsOwnLengthAndNotForAMissingOne) {
  WorkDir work;
  const int length = readWaveFile("Sound/Capture.wav")->durationMs();
  ASSERT_GT(length, 50);
  QElapsedTimer clock;
  clock.start();
  qint64 heard = -1, missing = -1;
  int finished = 0;
  playWaveFile(".\\Sound\\Capture.wav", [&] { heard = clock.elapsed(), ++finished; });
  playWaveFile("./Sound/missing.wav", [&] { missing = clock.elapsed(), ++finished; });
  playWaveFile("", {});
  playWaveFileInBackground(".\\Sound\\Promotion.wav");
  // With a sound server or without, the same pace: the wave's length from
  // its header, not the server's draining of its buffer; nothing for a file
  // that does not read.
  EXPECT_TRUE(QTest::qWaitFor([&] { return finished == 2; }, 8000));
  QTest::qWait(50);
  EXPECT_EQ(finished, 2);
  EXPECT_GE(heard, length - 1);
  EXPECT_LT(missing, heard);
}

TEST(SoundDialog, EveryControl) {
  WorkDir work;
  Game g(American);
  SoundEventTable table = soundEvents;
  table[1].enabled = 0;
  table[2].file = "/somewhere/else.wav";
  SoundDialog dialog(table, nullptr);
  auto* list = child<QTreeWidget>(&dialog, 1014);
  ASSERT_EQ(list->topLevelItemCount(), 4);
  EXPECT_EQ(list->headerItem()->text(1), "Event");
  EXPECT_EQ(list->headerItem()->text(2), "File name");
  EXPECT_EQ(list->columnWidth(0), 30);
  EXPECT_EQ(list->columnWidth(2), 360);
  const auto row = [&](int i) { return list->topLevelItem(i); };
  EXPECT_EQ(row(0)->text(1), "Capture");
  // Shown where it is on this system, kept as written.
  EXPECT_EQ(row(3)->text(2), QDir::current().absoluteFilePath("Sound/Promotion.wav"));
  EXPECT_EQ(row(1)->checkState(0), Qt::Unchecked);
  EXPECT_EQ(row(2)->checkState(0), Qt::Checked);
  dialog.show();
  screenshot(&dialog, "sound-dialog");

  // Play and Select... want a row.
  click(&dialog, 4);
  click(&dialog, 5);
  EXPECT_EQ(messages,
            (std::vector<std::string>{"Please select a line in list box.", "Please select a line in list box."}));

  click(&dialog, 7);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(row(i)->checkState(0), Qt::Unchecked) << i;
  list->setCurrentItem(row(3));
  click(&dialog, 4);  // an unchecked row still plays, without a word
  EXPECT_EQ(messages.size(), 2u);
  click(&dialog, 6);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(row(i)->checkState(0), Qt::Checked) << i;

  // A chosen file replaces the row's path; a cancelled choice leaves it.
  const QString chosen = QDir::current().absoluteFilePath("Sound/Movement.wav");
  whenOpen<QFileDialog>([&](QFileDialog* files) {
    EXPECT_EQ(files->windowTitle(), "Please select a wave file");
    EXPECT_EQ(files->nameFilters(), QStringList{"Wave file (*.wav)"});
    // Typed into the name field: selectFile leaves the field alone while
    // it has the focus.
    files->findChild<QLineEdit*>("fileNameEdit")->setText(chosen);
    QMetaObject::invokeMethod(files, "accept");
  });
  click(&dialog, 5);
  EXPECT_EQ(row(3)->text(2), chosen);
  whenOpen<QFileDialog>([](QFileDialog* files) { files->reject(); });
  click(&dialog, 5);
  EXPECT_EQ(row(3)->text(2), chosen);

  click(&dialog, 7);
  row(0)->setCheckState(0, Qt::Checked);
  click(&dialog, 1);
  EXPECT_EQ(table[0].enabled, 1);
  EXPECT_EQ(table[1].enabled, 0);
  EXPECT_EQ(table[3].file, chosen.toStdString());
  EXPECT_EQ(table[2].file, "/somewhere/else.wav");
  EXPECT_EQ(table[1].file, ".\\Sound\\Error.wav");
  EXPECT_EQ(table[0].name, "Capture");
}

TEST(SoundDialog, SetDefaultThenCancelOrOk) {
  SoundEventTable table = soundEvents;
  for (auto& e : table) {
    e.enabled = 0;
    e.file = "x.wav";
  }
  const SoundEventTable before = table;
  {
    SoundDialog dialog(table, nullptr);
    click(&dialog, 3);
    click(&dialog, 2);
  }
  for (int i = 0; i < 4; ++i) EXPECT_EQ(table[i].file, before[i].file);
  SoundDialog dialog(table, nullptr);
  click(&dialog, 3);
  click(&dialog, 1);
  EXPECT_EQ(table[0].file, ".\\Sound\\Capture.wav");
  EXPECT_EQ(table[1].file, ".\\Sound\\Error.wav");
  EXPECT_EQ(table[2].file, ".\\Sound\\Movement.wav");
  EXPECT_EQ(table[3].file, ".\\Sound\\Promotion.wav");
  for (const auto& e : table) EXPECT_EQ(e.enabled, 1);
}

TEST(SoundDialog, OpensFromTheMenuAndOkChangesTheGamesSounds) {
  WorkDir work;
  Game g(American);
  const SoundEventTable saved = soundEvents;
  whenOpen<SoundDialog>([](SoundDialog* d) {
    click(d, 7);
    click(d, 1);
  });
  g.window->dispatch(CmdSound);
  for (const auto& e : soundEvents) EXPECT_EQ(e.enabled, 0);
  soundEvents = saved;
}

QColor pixelAt(const AppearanceDialog& d, QPoint at) {
  QImage image(386, 386, QImage::Format_RGB32);
  QPainter p(&image);
  d.drawPreview(p, QPoint(0, 0));
  return image.pixelColor(at);
}

TEST(AppearanceDialog, EveryControlReadsBackAndSetToDefaultThenCancelChangesNothing) {
  WorkDir work;
  QImage(384, 447, QImage::Format_RGB32).save("SKIN/Short.bmp");
  QFile("SKIN/Broken.bmp").open(QIODevice::WriteOnly);
  Game g(American);
  appearance.showAiProgress = 0;
  appearance.whiteOnTop = 1;
  appearance.cellSize = 56;
  appearance.dragShow = DragStays;
  appearance.dragOpacity = 70;
  appearance.inkColour = 0x00112233;
  appearance.skinName = "Mint";
  const AppearanceSettings before = appearance;
  AppearanceDialog dialog(*g.game, g.listing, nullptr);
  dialog.show();
  screenshot(&dialog, "appearance-dialog-mint");

  auto* skins = child<QListWidget>(&dialog, 1010);
  QStringList names;
  for (int i = 0; i < skins->count(); ++i) names << skins->item(i)->text();
  EXPECT_EQ(names, (QStringList{"1. Simple", "2. Design", "3. Standard", "4. Buttons", "5. Sky", "6. Home", "7. Stone",
                                "Mint"}));  // neither the short nor the broken picture
  EXPECT_EQ(skins->currentRow(), 7);
  EXPECT_FALSE(child<QCheckBox>(&dialog, 1000)->isChecked());
  EXPECT_TRUE(child<QCheckBox>(&dialog, 1005)->isChecked());
  EXPECT_TRUE(child<QRadioButton>(&dialog, 1008)->isChecked());
  EXPECT_EQ(child<QSlider>(&dialog, 1037)->value(), 70);
  EXPECT_EQ(child<QSlider>(&dialog, 1037)->minimum(), 50);
  EXPECT_EQ(child<QSlider>(&dialog, 1037)->pageStep(), 5);
  EXPECT_EQ(child<QLabel>(&dialog, 1035)->text(), "Palatino Linotype");
  EXPECT_TRUE(child<QLabel>(&dialog, 1035)->font().bold());
  // "Show" off: the shadow and the opacity cannot be chosen.
  EXPECT_FALSE(child<QCheckBox>(&dialog, 1012)->isEnabled());
  EXPECT_FALSE(child<QSlider>(&dialog, 1037)->isEnabled());
  EXPECT_FALSE(child<QLabel>(&dialog, 1038)->isEnabled());
  child<QCheckBox>(&dialog, 1006)->setChecked(true);
  EXPECT_TRUE(child<QSlider>(&dialog, 1037)->isEnabled());
  EXPECT_TRUE(child<QLabel>(&dialog, 1040)->isEnabled());

  AppearanceSettings read = defaultAppearance;
  read.skinNumber = 5;
  dialog.readControls(read);
  EXPECT_EQ(read.skinName, "Mint");
  EXPECT_EQ(read.skinNumber, 5);  // a user skin keeps the number
  EXPECT_EQ(read.inkColour, 0x00112233u);
  EXPECT_EQ(read.cellSize, 56);
  EXPECT_EQ(read.whiteOnTop, 1);
  EXPECT_EQ(read.showAiProgress, 0);
  EXPECT_EQ(read.dragShow, DragFollows);
  EXPECT_EQ(read.dragOpacity, 70);

  click(&dialog, 7);
  dialog.readControls(read);
  EXPECT_EQ(skins->currentRow(), 2);
  EXPECT_EQ(read.skinNumber, 2);
  EXPECT_TRUE(read.skinName.empty());
  EXPECT_EQ(read.inkColour, defaultAppearance.inkColour);
  EXPECT_EQ(read.cellSize, 64);
  click(&dialog, 2);
  EXPECT_EQ(appearance.skinName, before.skinName);
  EXPECT_EQ(appearance.inkColour, before.inkColour);
  EXPECT_EQ(appearance.cellSize, 56);
}

TEST(AppearanceDialog, ColoursPickedFromTheSkinAndFromThePicker) {
  WorkDir work;
  Game g(American);
  AppearanceDialog dialog(*g.game, g.listing, nullptr);
  click(&dialog, 5);
  AppearanceSettings read;
  dialog.readControls(read);
  // The default skin's dark squares are wood of about (122, 72, 36), its
  // light ones about (222, 184, 135).
  EXPECT_LT(colourRed(read.backgroundColour), 122);
  EXPECT_LT(colourGreen(read.backgroundColour), 80);
  EXPECT_GT(colourRed(read.inkColour), 222);
  EXPECT_GT(colourBlue(read.inkColour), 135);

  whenOpen<QColorDialog>([](QColorDialog* colours) {
    EXPECT_EQ(QColorDialog::customColor(0), QColor(255, 0, 0));  // 0x0000FF is red, as 0xBBGGRR
    EXPECT_EQ(QColorDialog::customColor(6), QColor(0, 255, 255));
    EXPECT_EQ(QColorDialog::customColor(15), QColor(200, 200, 200));
    colours->setCurrentColor(QColor(10, 20, 30));
    colours->accept();
  });
  click(&dialog, 3);
  dialog.readControls(read);
  EXPECT_EQ(read.backgroundColour, makeColour(10, 20, 30));
  EXPECT_EQ(pixelAt(dialog, QPoint(3, 3)), QColor(10, 20, 30));  // the band round the preview
  whenOpen<QColorDialog>([](QColorDialog* colours) { colours->reject(); });
  click(&dialog, 4);
  AppearanceSettings again;
  dialog.readControls(again);
  EXPECT_EQ(again.inkColour, read.inkColour);
}

TEST(AppearanceDialog, PreviewCentresEveryBoardSize) {
  WorkDir work;
  for (GameType type : {American, International, Canadian}) {
    Game g(type);
    appearance.backgroundColour = makeColour(1, 2, 3);
    AppearanceDialog dialog(*g.game, g.listing, nullptr);
    const int n = g.game->boardSize, k = (12 - n) * 16 + 1;
    const QColor band(1, 2, 3);
    EXPECT_EQ(pixelAt(dialog, QPoint(k - 1, 193)), band) << n;
    EXPECT_NE(pixelAt(dialog, QPoint(k, k)), band) << n;
    EXPECT_NE(pixelAt(dialog, QPoint(385 - k, 385 - k)), band) << n;
    EXPECT_EQ(pixelAt(dialog, QPoint(386 - k, 193)), band) << n;
    dialog.show();
    screenshot(&dialog, QString("appearance-dialog-%1x%1").arg(n));
  }
}

TEST(AppearanceDialog, ApplyReachesTheWindowAndOkCloses) {
  WorkDir work;
  Game g(American);
  g.window->show();
  const int widthBefore = g.window->boardWidget()->minimumWidth();
  appearance.cellSize = 48;
  g.window->placeWindow();
  whenOpen<AppearanceDialog>([](AppearanceDialog* d) {
    child<QRadioButton>(d, 1009)->setChecked(true);
    child<QListWidget>(d, 1010)->setCurrentRow(7);
    click(d, 6);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(appearance.cellSize, 64);
    EXPECT_EQ(appearance.skinName, "Mint");
    child<QCheckBox>(d, 1001)->setChecked(false);
    click(d, 1);
  });
  g.window->dispatch(CmdAppearance);
  EXPECT_EQ(appearance.showCoordinates, 0);
  EXPECT_GE(g.window->boardWidget()->minimumWidth(), widthBefore);
  // The window paints from the user skin now.
  EXPECT_EQ(g.window->boardWidget()->skins().full, loadSkin("Mint", 0));
  screenshot(g.window.get(), "window-skin-mint");
}

TEST(AppearanceDialog, LargerScalesAndFitToWindowLeaveTheClassicScaleReadable) {
  WorkDir work;
  Game g(American);
  g.window->show();
  appearance.cellSize = 48;
  appearance.boardScale = 150;
  whenOpen<AppearanceDialog>([](AppearanceDialog* d) {
    EXPECT_TRUE(d->findChild<QRadioButton*>("boardScale150")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(d, 1007)->isChecked());  // one scale is chosen, of the six and Fit
    d->findChild<QRadioButton*>("boardScaleFit")->setChecked(true);
    click(d, 1);
  });
  g.window->dispatch(CmdAppearance);
  EXPECT_EQ(appearance.boardScale, kFitToWindow);
  EXPECT_EQ(appearance.cellSize, 64);  // what an older copy reads: 100 %
  whenOpen<AppearanceDialog>([](AppearanceDialog* d) {
    child<QRadioButton>(d, 1008)->setChecked(true);  // back to 87.5 %
    click(d, 1);
  });
  g.window->dispatch(CmdAppearance);
  EXPECT_EQ(appearance.boardScale, 0);
  EXPECT_EQ(appearance.cellSize, 56);
  EXPECT_EQ(g.window->boardWidget()->cell(), 56);
}

TEST(AppearanceDialog, ScreenshotsOfEverySkinInThePreview) {
  WorkDir work;
  Game g(International);
  AppearanceDialog dialog(*g.game, g.listing, nullptr);
  auto* skins = child<QListWidget>(&dialog, 1010);
  std::vector<QImage> previews;
  for (int i = 0; i < skins->count(); ++i) {
    skins->setCurrentRow(i);
    QImage image(386, 386, QImage::Format_RGB32);
    QPainter p(&image);
    dialog.drawPreview(p, QPoint(0, 0));
    image.save(QDir::temp().filePath(QString("velmora-screenshots/preview-%1.png").arg(i + 1)));
    previews.push_back(image);
  }
  for (size_t i = 1; i < previews.size(); ++i) EXPECT_NE(previews[i], previews[i - 1]) << i;
}

TEST(FontChooser, PrefixWithoutRegardToCase) {
  const QStringList faces{"Arial", "DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif"};
  EXPECT_EQ(findFaceByPrefix(faces, "dejavu s"), 1);
  EXPECT_EQ(findFaceByPrefix(faces, "DEJAVU SERIF"), 3);
  EXPECT_EQ(findFaceByPrefix(faces, "Palatino Linotype"), 0);
  EXPECT_EQ(findFaceByPrefix(faces, "DejaVu Sans Mono Bold"), 0);  // longer than any face
}

TEST(FontChooser, DoubleClickChoosesForTheAppearanceDialog) {
  WorkDir work;
  Game g(American);
  AppearanceDialog dialog(*g.game, g.listing, nullptr);
  child<QLabel>(&dialog, 1035)->setText("dejavu s");
  static QString picked;
  whenOpen<FontDialog>([](FontDialog* fonts) {
    auto* list = child<QListWidget>(fonts, 1014);
    ASSERT_GT(list->count(), 0);
    EXPECT_TRUE(list->currentItem()->text().startsWith("DejaVu S", Qt::CaseInsensitive));
    fonts->show();
    screenshot(fonts, "font-chooser");
    QListWidgetItem* last = list->item(list->count() - 1);
    picked = last->text();
    list->setCurrentItem(last);
    emit list->itemDoubleClicked(last);  // what the view reports for a double click on the item
  });
  click(&dialog, 9);
  EXPECT_EQ(child<QLabel>(&dialog, 1035)->text(), picked);
  EXPECT_EQ(appearance.fontFace, defaultAppearance.fontFace);  // not before OK
}

}  // namespace
}  // namespace velmora
