#pragma once
// Printing the game: the listing as text, the board full size or as a mini
// board; and the board as a picture file. The printouts draw on any paint
// device, so the print dialog, a PDF file and the tests share them.

#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

#include "shell/paint/skins.h"

class QPrinter;
class QWidget;

namespace velmora {

struct GameState;
struct MoveListing;

enum PrintKind { PrintListing = 0, PrintMiniBoard = 1, PrintBoard = 2 };

// The board as printed: squares of `cell` pixels drawn from the skin at that
// size, no coordinates, names, clocks or marks, turned as the screen is.
QImage printedBoard(const GameState& game, const SkinSet& skins, bool withMarks = false, int cell = kSkinTile);

// Draws the printout of `kind` on the printer, whose document has begun.
// Returns false when a page could not be started.
bool printListing(QPrinter& printer, const GameState& game, const MoveListing& listing);
bool printBoardImage(QPrinter& printer, const GameState& game, const SkinSet& skins, PrintKind kind);

// The whole job through the print dialog owned by `parent`; Cancel prints
// nothing. The current folder is the same afterwards.
void printGame(PrintKind kind, QWidget* parent, const GameState& game, const MoveListing& listing,
               const SkinSet& skins);

// Prints to a PDF file without a dialog; false with `error` set on failure.
bool printToPdf(const QString& path, PrintKind kind, const GameState& game, const MoveListing& listing,
                const SkinSet& skins, QString* error);

// What a diagram of the manual adds to the board: the names of the columns
// and rows around it, a move's path as a line and the pieces it takes
// crossed out. Squares are board squares: x from White's left, y from
// White's side.
struct DiagramMarks {
  std::vector<QPoint> path;      // the square the move starts on, then each one it lands on
  std::vector<QPoint> captured;  // the squares of the pieces it takes
};

// The printed board with a margin for the names of the squares and the
// marks of `diagram`, `size` x `size` pixels, turned as the screen is.
QImage diagramPicture(const GameState& game, const SkinSet& skins, int size, const DiagramMarks& diagram,
                      bool withMarks);

// The board of printedBoard drawn at `size` x `size` (or, with `diagram`,
// the diagramPicture), written as PNG, or as SVG (the picture inside) when
// the name ends in ".svg".
bool exportBoardPicture(const QString& path, int size, const GameState& game, const SkinSet& skins, QString* error,
                        bool withMarks = false, const DiagramMarks* diagram = nullptr);

}  // namespace velmora
