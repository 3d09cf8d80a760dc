#pragma once
// Another program that plays for the window: a Hub engine run beside it or
// a DamExchange program across the network. The turn controller drives
// either as it drives the computer player: a search for the side to move,
// its progress, then its choice, or why the program was lost. Every call
// arrives on the window's thread through the `deliver` it was made with.

#include <QObject>
#include <functional>
#include <string>

#include "core/game/computer_move.h"

namespace velmora {

struct RecordedPosition;

class ForeignEngine : public QObject {
 public:
  using Deliver = std::function<void(std::function<void()>)>;
  // Each info: its depth and score, and its line as the listing writes moves.
  using Progress = std::function<void(const EngineProgress&, const std::string& line)>;
  using Finished = std::function<void(ComputerChoice)>;
  using Failed = std::function<void(const std::string&)>;

  using QObject::QObject;

  // A move for the side to move of `state` (its record from its start) in
  // about `moveTimeMs`: `finished` runs once with the choice (result 0 when
  // broken off), or `failed` when the program is lost.
  virtual void start(const RecordedPosition& state, int moveTimeMs, Progress progress, Finished finished,
                     Failed failed) = 0;
  // The search ends early; `finished` still runs, with no choice.
  virtual void breakOff() = 0;
  // Nothing more arrives from the search under way.
  virtual void stop() = 0;
  // The program is let go.
  virtual void close() = 0;
  virtual bool running() const = 0;
  virtual const EngineProgress& lastProgress() const = 0;
  // What the program called itself, as it said it; empty until it has.
  virtual std::string engineName() const = 0;
};

}  // namespace velmora
