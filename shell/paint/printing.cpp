#include "shell/paint/printing.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "core/game/game_state.h"
#include "core/game/play.h"
#include "core/platform/file_write.h"
#include "core/records/printed_listing.h"
#include "core/view/appearance.h"
#include "shell/paint/renderer.h"

namespace velmora {

namespace {

constexpr int kPrintDotsPerInch = 300;

// The listing's least margin on every side.
constexpr qreal kListingMarginMm = 20;

// The job's name is the program's caption, as its message boxes have.
constexpr const char* kDocumentName = "Velmora";

// Text at the left margin; a line longer than the page (a long name) wraps
// rather than running off it.
QTextOption listingTextOption() {
  QTextOption option(Qt::AlignLeft | Qt::AlignTop);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  return option;
}

}  // namespace

QImage printedBoard(const GameState& game, const SkinSet& skins, bool withMarks, int cell) {
  const int side = game.boardSize * cell;
  QImage board(side, side, QImage::Format_RGB32);
  board.fill(Qt::white);
  AppearanceSettings settings = appearance;
  settings.showLastMove = 0;
  settings.showLegalMoves = withMarks;
  settings.dragShow = DragStays;  // a marked piece stays on its square
  // The board without the picked-up piece's marks or hints: those belong to
  // the screen, unless a diagram shows a move with them.
  GameState plain = game;
  for (auto& row : plain.marks)
    for (auto& m : row) m = withMarks ? SquareMarks{m.selected, m.moveTarget, m.pathStep, 0, 0} : SquareMarks{};
  QPainter p(&board);
  drawBoard(p, plain, cell, skins.forCell(cell), 0, 0, settings, false, QPoint());
  return board;
}

bool printListing(QPrinter& printer, const GameState& game, const MoveListing& listing) {
  // A sheet's text keeps clear of the printer's edge and the staple.
  QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
  margins = QMarginsF(std::max(margins.left(), kListingMarginMm), std::max(margins.top(), kListingMarginMm),
                      std::max(margins.right(), kListingMarginMm), std::max(margins.bottom(), kListingMarginMm));
  printer.setPageMargins(margins, QPageLayout::Millimeter);
  QPainter p(&printer);
  if (!p.isActive()) return false;
  // The painter's own metrics, in the page's pixels. Tabs are expanded
  // here, to stops every 8 average character widths as text output has
  // them: a text layout would measure its stops at the screen's resolution,
  // twelve times too wide on a 1200 dpi page.
  const QFontMetricsF metrics = QFontMetricsF(p.fontMetrics());
  const qreal tab = 8 * metrics.averageCharWidth();
  const QTextOption option = listingTextOption();
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const auto scratch = std::make_unique<GameState>();
  const std::vector<std::string> lines = printedListingLines(game, listing, resultAtLastMove(game, *scratch, listing));
  // Where the last part of each line starts (every part but the last ends
  // at a tab), and how high the line is once that part wraps.
  std::vector<qreal> starts, heights;
  for (const std::string& line : lines) {
    const QStringList parts = QString::fromStdString(line).split('\t');
    qreal x = 0;
    for (qsizetype k = 0; k + 1 < parts.size(); ++k) {
      x += metrics.horizontalAdvance(parts[k]);
      x = (std::floor(x / tab) + 1) * tab;
    }
    x = std::min(x, page.width() / 2.0);
    const QRectF room(x, 0, page.width() - x, page.height());
    starts.push_back(x);
    heights.push_back(std::max(metrics.height(), p.boundingRect(room, parts.back(), option).height()));
  }
  qreal y = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    // A move and Black's reply share a page: the reply has no number of
    // its own to be read by at the top of the next one.
    const bool replyFollows = i + 1 < lines.size() && isPrintedReply(lines[i + 1]) && !isPrintedReply(lines[i]);
    const qreal needed = heights[i] + (replyFollows ? heights[i + 1] : 0);
    if (y > 0 && y + needed > page.height()) {
      if (!printer.newPage()) return false;
      y = 0;
    }
    const QStringList parts = QString::fromStdString(lines[i]).split('\t');
    qreal x = 0;
    for (qsizetype k = 0; k + 1 < parts.size(); ++k) {
      p.drawText(QPointF(x, y + metrics.ascent()), parts[k]);
      x = (std::floor((x + metrics.horizontalAdvance(parts[k])) / tab) + 1) * tab;
    }
    p.drawText(QRectF(starts[i], y, page.width() - starts[i], heights[i]), parts.back(), option);
    y += heights[i];
  }
  return true;
}

bool printBoardImage(QPrinter& printer, const GameState& game, const SkinSet& skins, PrintKind kind) {
  QPainter p(&printer);
  if (!p.isActive()) return false;
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  int side = std::min(page.width(), page.height());
  if (kind == PrintMiniBoard) side /= 2;
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  // Drawn at 300 dots an inch (or the printer's own, if less), so that a
  // PDF's board stays sharp when zoomed; not at the printer's full
  // resolution, whose picture would take hundreds of megabytes.
  const int dotsAcross = side * std::min(kPrintDotsPerInch, printer.resolution()) / printer.resolution();
  const int cell = std::max(1, (dotsAcross + game.boardSize - 1) / game.boardSize);
  p.drawImage(QRect(0, 0, side, side), printedBoard(game, skins, false, cell));
  return true;
}

namespace {

bool printOn(QPrinter& printer, PrintKind kind, const GameState& game, const MoveListing& listing,
             const SkinSet& skins) {
  printer.setDocName(kDocumentName);
  return kind == PrintListing ? printListing(printer, game, listing) : printBoardImage(printer, game, skins, kind);
}

}  // namespace

void printGame(PrintKind kind, QWidget* parent, const GameState& game, const MoveListing& listing,
               const SkinSet& skins) {
  const QString folder = QDir::currentPath();  // the dialog may change it
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  if (dialog.exec() == QDialog::Accepted) printOn(printer, kind, game, listing, skins);
  QDir::setCurrent(folder);
}

bool printToPdf(const QString& path, PrintKind kind, const GameState& game, const MoveListing& listing,
                const SkinSet& skins, QString* error) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  if (!printOn(printer, kind, game, listing, skins)) {
    if (error) *error = "cannot print to " + path;
    return false;
  }
  return true;
}

namespace {

// The board is a picture of skin tiles: the SVG holds that picture.
QByteArray svgHolding(const QByteArray& png, int size) {
  return QString(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" "
             "xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
             "width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
             "  <image width=\"%1\" height=\"%1\" xlink:href=\"data:image/png;base64,%2\"/>\n"
             "</svg>\n")
      .arg(size)
      .arg(QString::fromLatin1(png.toBase64()))
      .toUtf8();
}

}  // namespace

QImage diagramPicture(const GameState& game, const SkinSet& skins, int size, const DiagramMarks& diagram,
                      bool withMarks) {
  // Half a square of margin all round holds the names of the squares.
  const int n = game.boardSize, cell = std::max(1, size / (n + 1)), margin = (size - n * cell) / 2;
  QImage picture(size, size, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.drawImage(margin, margin, printedBoard(game, skins, withMarks, cell));
  const bool turned = appearance.whiteOnTop != 0;
  const auto column = [&](int x) { return turned ? n - 1 - x : x; };
  const auto row = [&](int y) { return turned ? y : n - 1 - y; };
  const auto centre = [&](QPoint square) {
    return QPointF(margin + (column(square.x()) + 0.5) * cell, margin + (row(square.y()) + 0.5) * cell);
  };

  QFont font = p.font();
  // As large as the margin allows: a diagram of 12 x 12 at 240 pixels
  // leaves a margin of 12 for the numbers up to 12.
  font.setPixelSize(std::max(7, margin * 3 / 4));
  p.setFont(font);
  p.setPen(QColor(40, 40, 40));
  for (int k = 0; k < n; ++k) {
    const QString letter(QChar('a' + k)), number = QString::number(k + 1);
    const qreal across = margin + column(k) * cell, down = margin + row(k) * cell;
    p.drawText(QRectF(across, margin + n * cell, cell, margin), Qt::AlignCenter, letter);
    p.drawText(QRectF(across, 0, cell, margin), Qt::AlignCenter, letter);
    p.drawText(QRectF(0, down, margin, cell), Qt::AlignCenter, number);
    p.drawText(QRectF(margin + n * cell, down, margin, cell), Qt::AlignCenter, number);
  }

  const QColor red(210, 30, 30, 210);
  const qreal width = std::max(2.0, cell / 12.0);
  p.setPen(QPen(red, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  // The line and the cross leave the middle of a taken king free: its crown
  // shows that the capture took a king, which the Italian and Spanish rules
  // choose captures by.
  QPainterPath clear;
  clear.addRect(picture.rect());
  for (const QPoint& square : diagram.captured)
    if (game.board[square.y()][square.x()].kind == King) clear.addEllipse(centre(square), cell * 0.2, cell * 0.2);
  p.setClipPath(clear);
  if (diagram.path.size() >= 2) {
    QPolygonF line;
    for (const QPoint& square : diagram.path) line << centre(square);
    p.drawPolyline(line);
    // An arrowhead on the last landing square.
    const QPointF tip = line.back(), from = line[line.size() - 2];
    const qreal length = std::hypot(tip.x() - from.x(), tip.y() - from.y());
    if (length > 0) {
      const QPointF along = (tip - from) / length * (cell * 0.3), across(-along.y() / 2, along.x() / 2);
      p.setBrush(red);
      p.drawPolygon(QPolygonF({tip, tip - along + across, tip - along - across}));
      p.setBrush(Qt::NoBrush);
    }
  }
  const qreal arm = cell * 0.28;
  for (const QPoint& square : diagram.captured) {
    const QPointF c = centre(square);
    p.drawLine(c + QPointF(-arm, -arm), c + QPointF(arm, arm));
    p.drawLine(c + QPointF(-arm, arm), c + QPointF(arm, -arm));
  }
  return picture;
}

bool exportBoardPicture(const QString& path, int size, const GameState& game, const SkinSet& skins, QString* error,
                        bool withMarks, const DiagramMarks* diagram) {
  // Drawn at the size asked for (the skin at that size), then fitted to the exact pixels.
  const int cell = std::max(1, (size + game.boardSize - 1) / game.boardSize);
  const QImage picture = diagram ? diagramPicture(game, skins, size, *diagram, withMarks)
                                 : printedBoard(game, skins, withMarks, cell)
                                       .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const auto fail = [&](const QString& why) {
    if (error) *error = why;
    return false;
  };
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "PNG")) return fail("Cannot write " + path + ": the picture could not be encoded");
  const QByteArray bytes = path.endsWith(".svg", Qt::CaseInsensitive) ? svgHolding(png, size) : png;
  std::string why;
  if (!replaceFile(QFile::encodeName(path).toStdString(), bytes.toStdString(), &why))
    return fail(QString::fromStdString(why));
  return true;
}

}  // namespace velmora
