// Printing to PDF and exporting the board: the listing's lines and pages,
// the board's size on the page, and the picture files.

#include "shell/paint/printing.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <memory>
#include <utility>
#include <vector>

#include "core/game/game_state.h"
#include "core/records/listing.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "core/view/appearance.h"
#include "shell/paint/skins.h"

namespace velmora {
namespace {

SkinSet skin2() { return makeSkinSet(builtInSkin(2), 2); }

struct Printed {
  std::unique_ptr<GameState> game = std::make_unique<GameState>();
  MoveListing listing;
  QString folder = QDir::temp().filePath(QString("velmora-print-%1").arg(QCoreApplication::applicationPid()));

  explicit Printed(GameType type) {
    QDir().mkpath(folder);
    setUpBoard(*game, type);
    game->plyCount = 0;
    resetListing(listing);
    std::snprintf(game->players[White].name, sizeof game->players[White].name, "Anna");
    std::snprintf(game->players[Black].name, sizeof game->players[Black].name, "Bert");
  }
  // Plays the first legal move `count` times, or until the game ends.
  void play(int count) {
    for (int i = 0; i < count; ++i) {
      generateMoves(game->legalMoves, *game, game->sideToMove());
      if (game->moveCount == 0) break;
      applyMove(game->legalMoves[0], game->gameRecord[game->plyCount], *game);
      ++game->plyCount;
    }
    refreshListing(listing, *game, game->plyCount);
  }
  QString path(const QString& name) const { return QDir(folder).filePath(name); }
};

QString pdfText(const QString& pdf) {
  QProcess p;
  p.start("pdftotext", {"-layout", pdf, "-"});
  p.waitForFinished(20000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& pdf) { return pdfText(pdf).count('\f'); }

TEST(Printing, ListingHasItsHeaderAndEveryMoveLineAcrossPages) {
  Printed p(American);
  p.play(1);
  QString error;
  ASSERT_TRUE(printToPdf(p.path("one.pdf"), PrintListing, *p.game, p.listing, skin2(), &error)) << error.toStdString();
  QStringList lines = pdfText(p.path("one.pdf")).split('\n');
  for (QString& l : lines) l = l.trimmed();
  while (!lines.isEmpty() && (lines.last().isEmpty() || lines.last() == "\f")) lines.removeLast();
  EXPECT_EQ(lines.mid(0, 3), (QStringList{"GAME TYPE - American", "WHITE - Anna", "BLACK - Bert"}));
  EXPECT_TRUE(lines.last().startsWith("1.")) << lines.last().toStdString();

  Printed longGame(International);
  longGame.play(240);
  ASSERT_GT(longGame.listing.lines.size(), 100u);
  ASSERT_TRUE(printToPdf(longGame.path("long.pdf"), PrintListing, *longGame.game, longGame.listing, skin2(), &error));
  const QString text = pdfText(longGame.path("long.pdf"));
  const int pages = pdfPages(longGame.path("long.pdf"));
  EXPECT_GE(pages, 2);
  // Every move line is there, and the last page is not empty.
  const QString lastLine = QString::fromStdString(longGame.listing.lines.back()).trimmed();
  EXPECT_TRUE(text.contains(lastLine)) << lastLine.toStdString();
  EXPECT_FALSE(text.split('\f').at(pages - 1).trimmed().isEmpty());
  // Each later page begins with a numbered move, never with Black's bare reply.
  const QStringList sheets = text.split('\f');
  static const QRegularExpression numbered("^\\d+\\. ");
  for (int k = 1; k < pages; ++k) {
    const QString first = sheets[k].trimmed().section('\n', 0, 0).trimmed();
    EXPECT_TRUE(numbered.match(first).hasMatch()) << "page " << k + 1 << ": " << first.toStdString();
  }
}

TEST(Printing, AFinishedGameEndsWithItsResultAndTheTextKeepsClearOfTheEdge) {
  Printed p(American);
  // White's man on c3 takes Black's last one on d4.
  ASSERT_FALSE(
      readPosition("W:......../......../......../......../...b..../..w...../......../........", American, *p.game));
  p.game->plyCount = 0;
  p.play(1);
  ASSERT_EQ(p.listing.moveCount(), 1);
  QString error;
  ASSERT_TRUE(printToPdf(p.path("won.pdf"), PrintListing, *p.game, p.listing, skin2(), &error));
  QStringList lines = pdfText(p.path("won.pdf")).split('\n');
  for (QString& l : lines) l = l.trimmed();
  lines.removeAll("");
  lines.removeAll("\f");
  ASSERT_FALSE(lines.isEmpty());
  EXPECT_EQ(lines.last(), "RESULT - 1-0");
  // At least 20 mm (57 points) from the sheet's top and left edges.
  QProcess box;
  box.start("pdftotext", {"-bbox", p.path("won.pdf"), "-"});
  box.waitForFinished(20000);
  static const QRegularExpression word("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"");
  const auto first = word.match(QString::fromUtf8(box.readAllStandardOutput()));
  ASSERT_TRUE(first.hasMatch());
  EXPECT_GE(first.captured(1).toDouble(), 56.0);
  EXPECT_GE(first.captured(2).toDouble(), 56.0);
}

// Where each word of a PDF stands: its left edge in points, and its text.
std::vector<std::pair<double, QString>> pdfWords(const QString& pdf) {
  QProcess p;
  p.start("pdftotext", {"-bbox", pdf, "-"});
  p.waitForFinished(20000);
  std::vector<std::pair<double, QString>> words;
  static const QRegularExpression word("<word xMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>");
  for (auto it = word.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
    const auto m = it.next();
    words.emplace_back(m.captured(1).toDouble(), m.captured(2));
  }
  return words;
}

TEST(Printing, TheListingStartsAtTheLeftOfThePageAndALongNameIsShownWhole) {
  Printed p(American);
  std::snprintf(p.game->players[White].name, sizeof p.game->players[White].name,
                "Maximilian Alexander von Hohenberg-Schwarzenfels");
  p.play(2);
  QString error;
  ASSERT_TRUE(printToPdf(p.path("left.pdf"), PrintListing, *p.game, p.listing, skin2(), &error));
  const auto words = pdfWords(p.path("left.pdf"));
  ASSERT_FALSE(words.empty());
  QStringList text;
  for (const auto& [x, w] : words) {
    // Each line one tab in from the margin, on an A4 page 595 points wide:
    // today's lines ran from 466 points on and were cut at the edge.
    if (w == "GAME" || w == "WHITE" || w == "BLACK" || w == "1.") {
      EXPECT_LT(x, 120) << w.toStdString();
    }
    text << w;
  }
  EXPECT_TRUE(text.join(' ').contains("WHITE - Maximilian Alexander von Hohenberg-Schwarzenfels"))
      << text.join(' ').toStdString();
}

TEST(Printing, BoardFillsThePagesSmallerSideAndTheMiniBoardHalfOfIt) {
  Printed p(International);
  for (auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape})
    for (PrintKind kind : {PrintBoard, PrintMiniBoard}) {
      // Rendered to a picture the size of the page, the board's dark edge
      // shows where it ends.
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(p.path("board.pdf"));
      printer.setPageOrientation(orientation);
      const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
      ASSERT_TRUE(printBoardImage(printer, *p.game, skin2(), kind));
      const int expected = std::min(page.width(), page.height()) / (kind == PrintMiniBoard ? 2 : 1);
      QProcess render;
      render.start("pdftoppm", {"-png", "-r", "30", "-singlefile", p.path("board.pdf"), p.path("board")});
      ASSERT_TRUE(render.waitForFinished(20000));
      const QImage shown(p.path("board.png"));
      ASSERT_FALSE(shown.isNull());
      // At 30 dpi a page pixel is resolution / 30 printer pixels.
      const double scale = printer.resolution() / 30.0;
      // A row a little below the printable area's top edge.
      const int row = static_cast<int>(page.top() / scale) + 3;
      int left = -1, right = 0;
      for (int x = 0; x < shown.width(); ++x)
        if (qGray(shown.pixel(x, row)) < 250) {
          if (left < 0) left = x;
          right = x + 1;
        }
      EXPECT_NEAR((right - left) * scale, expected, 3 * scale) << orientation << " " << kind;
    }
}

TEST(Printing, APdfBoardHoldsAtLeastThreeHundredDotsAnInch) {
  Printed p(International);
  QString error;
  ASSERT_TRUE(printToPdf(p.path("board.pdf"), PrintBoard, *p.game, p.listing, skin2(), &error));
  QProcess list;
  list.start("pdfimages", {"-list", p.path("board.pdf")});
  ASSERT_TRUE(list.waitForFinished(20000));
  // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
  const QStringList lines = QString::fromUtf8(list.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
  ASSERT_GE(lines.size(), 3) << list.readAllStandardError().toStdString();
  const QStringList fields = lines[2].simplified().split(' ');
  ASSERT_GE(fields.size(), 14);
  EXPECT_GE(fields[12].toInt(), 299) << lines[2].toStdString();
  EXPECT_GE(fields[3].toInt(), 10 * 180);  // squares far finer than the screen's 64 pixels
}

TEST(Printing, PrintedBoardIsTurnedLikeTheScreenAndHasNoMarks) {
  Printed p(American);
  p.game->marks[0][0].lastMove = 1;
  p.game->marks[2][2].moveTarget = 1;
  const QImage plain = printedBoard(*p.game, skin2());
  EXPECT_EQ(plain.size(), QSize(8 * 64, 8 * 64));
  Printed unmarked(American);
  EXPECT_EQ(printedBoard(*unmarked.game, skin2()), plain);
  appearance.whiteOnTop = 1;
  const QImage turned = printedBoard(*p.game, skin2());
  appearance.whiteOnTop = 0;
  // The dark square at the top, second from the left: Black's man b8 as
  // the screen shows it, White's man g1 when White is on top.
  EXPECT_LT(qGray(plain.pixel(96, 32)), 100);
  EXPECT_GT(qGray(turned.pixel(96, 32)), 180);
}

TEST(Printing, BoardPictureAsPngAndSvg) {
  Printed p(Canadian);
  QString error;
  ASSERT_TRUE(exportBoardPicture(p.path("b.png"), 300, *p.game, skin2(), &error));
  const QImage png(p.path("b.png"));
  EXPECT_EQ(png.size(), QSize(300, 300));
  const QImage board = printedBoard(*p.game, skin2());
  // A square's middle keeps its colour through the scaling.
  const QColor a = png.pixelColor(12, 12), b = board.pixelColor(32, 32);
  EXPECT_NEAR(a.red(), b.red(), 24);
  EXPECT_NEAR(a.green(), b.green(), 24);

  ASSERT_TRUE(exportBoardPicture(p.path("b.svg"), 200, *p.game, skin2(), &error));
  QFile svg(p.path("b.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&svg);
  bool sawSvg = false, sawImage = false;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("svg")) sawSvg = xml.attributes().value("width") == QLatin1String("200");
    if (xml.name() == QLatin1String("image")) sawImage = true;
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_TRUE(sawSvg);
  EXPECT_TRUE(sawImage);

  EXPECT_FALSE(exportBoardPicture("/nonexistent-folder/b.png", 100, *p.game, skin2(), &error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(Printing, ADiagramNamesTheSquaresAroundTheBoardAndMarksThePathAndTakenPieces) {
  std::unique_ptr<GameState> game = std::make_unique<GameState>();
  ASSERT_FALSE(
      readPosition("W:......../......../.b...b../......../...b..../..w...../......../........", American, *game));
  // c3:e5:g7 takes d4 and f6. At 360 pixels a square is 40 wide, with 20 of margin.
  const DiagramMarks marks{{{2, 2}, {4, 4}, {6, 6}}, {{3, 3}, {5, 5}}};
  const QImage diagram = diagramPicture(*game, skin2(), 360, marks, false);
  ASSERT_EQ(diagram.size(), QSize(360, 360));
  const auto at = [](int x, int y, bool turned) {  // the middle of board square (x, y)
    return turned ? QPoint(20 + (7 - x) * 40 + 20, 20 + y * 40 + 20) : QPoint(20 + x * 40 + 20, 20 + (7 - y) * 40 + 20);
  };
  const auto red = [&](const QImage& image, QPoint p) {
    const QColor c = image.pixelColor(p);
    return c.red() > 150 && c.green() < 100 && c.blue() < 100;
  };
  EXPECT_TRUE(red(diagram, at(3, 3, false)));   // d4 crossed out
  EXPECT_TRUE(red(diagram, at(5, 5, false)));   // f6 crossed out
  EXPECT_FALSE(red(diagram, at(1, 5, false)));  // b6, not taken

  // Away from the marks the board is the printed board, square for square.
  const QImage board = printedBoard(*game, skin2(), false, 40);
  EXPECT_EQ(diagram.copy(20, 20, 80, 80), board.copy(0, 0, 80, 80));
  // The margin is white but for the names: some ink under column a.
  EXPECT_EQ(diagram.pixelColor(2, 2), QColor(Qt::white));
  int ink = 0;
  for (int y = 340; y < 360; ++y)
    for (int x = 20; x < 60; ++x) ink += qGray(diagram.pixel(x, y)) < 128;
  EXPECT_GT(ink, 0);

  // Turned like the screen: the crosses follow their squares.
  appearance.whiteOnTop = 1;
  const QImage turned = diagramPicture(*game, skin2(), 360, marks, false);
  appearance.whiteOnTop = 0;
  EXPECT_TRUE(red(turned, at(3, 3, true)));
  EXPECT_TRUE(red(turned, at(5, 5, true)));
}

}  // namespace
}  // namespace velmora
