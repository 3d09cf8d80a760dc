#pragma once
// Printing the game: the listing as text, the board full size or as a mini
// board; and the board as a picture file. The printouts draw on any paint
// device, so the print dialog, a PDF file and the tests share them.

#include <QImage>
#include <QString>

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

// The board of printedBoard drawn at `size` x `size`, written as
// PNG, or as SVG (the picture inside) when the name ends in ".svg".
bool exportBoardPicture(const QString& path, int size, const GameState& game, const SkinSet& skins, QString* error,
                        bool withMarks = false);

}  // namespace velmora
