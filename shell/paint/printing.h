#pragma once
// Printing the game: the listing as text, the board full size or as a mini
// board; and the board as a picture file. The printouts draw on any paint
// device, so the print dialog, a PDF file and the tests share them.

#include <QImage>
#include <QString>

class QPrinter;
class QWidget;

namespace velmora {

struct GameState;
struct MoveListing;

enum PrintKind { PrintListing = 0, PrintMiniBoard = 1, PrintBoard = 2 };

// The board as printed: squares of 64 pixels from the full-size skin, no
// coordinates, names, clocks or marks, turned as the screen is.
QImage printedBoard(const GameState& game, const QImage& fullSkin, bool withMarks = false);

// Draws the printout of `kind` on the printer, whose document has begun.
// Returns false when a page could not be started.
bool printListing(QPrinter& printer, const GameState& game, const MoveListing& listing);
bool printBoardImage(QPrinter& printer, const GameState& game, const QImage& fullSkin, PrintKind kind);

// The whole job through the print dialog owned by `parent`; Cancel prints
// nothing. The current folder is the same afterwards.
void printGame(PrintKind kind, QWidget* parent, const GameState& game, const MoveListing& listing,
               const QImage& fullSkin);

// Prints to a PDF file without a dialog; false with `error` set on failure.
bool printToPdf(const QString& path, PrintKind kind, const GameState& game, const MoveListing& listing,
                const QImage& fullSkin, QString* error);

// The board of printedBoard scaled smoothly to `size` x `size`, written as
// PNG, or as SVG (the picture inside) when the name ends in ".svg".
bool exportBoardPicture(const QString& path, int size, const GameState& game, const QImage& fullSkin, QString* error,
                        bool withMarks = false);

}  // namespace velmora
