#pragma once
// Every effect the core has on the outside world goes through this table:
// the shell fills it at start-up, tests fill it with fakes. Until it is
// filled the effects do nothing (a sleep still sleeps), so the core also
// runs headless.

#include <cstdint>
#include <functional>
#include <string>

namespace velmora {

enum class MessageIcon { Information, Error, Question, None };
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };

// The sounds of game events, numbered as the settings file lists them.
enum class SoundId { Capture, Error, Movement, Promotion };

struct Host {
  // A message box owned by the main window, captioned with its title. A
  // question returns true for Yes; an Ok box returns true.
  bool (*messageBox)(const std::string& text, MessageIcon icon, MessageButtons buttons);
  // Shows the board as it stands now: the step of a capture being shown.
  void (*repaintNow)();
  // Asks for the main window to be painted when the thread is next idle.
  void (*requestRepaint)();
  // Plays the wave file of an event and returns at once; `finished`, when
  // given, runs once the sound has been heard, or at once when the file
  // plays nothing. The window goes on painting meanwhile.
  void (*playSound)(SoundId event, const std::string& file, std::function<void()> finished);
  // Runs `then` once `milliseconds` have passed. The window goes on painting
  // meanwhile and the caller returns at once; headless, it sleeps and runs.
  void (*after)(int milliseconds, std::function<void()> then);
  std::uint32_t (*tickCount)();
  bool (*escapeDown)();

  // The main window while the computer thinks.
  void (*setWindowTitle)(const std::string& title);
  void (*setWindowEnabled)(bool enabled);
  void (*updateCursor)();
  bool (*windowIsActive)();
  void (*flashWindow)();

  // Opens a document (a page of the manual) with the desktop's viewer and
  // returns at once; what a missing viewer does is the desktop's affair.
  void (*openDocument)(const std::string& path);
};

extern Host host;

// The table with every effect doing nothing.
Host silentHost();

}  // namespace velmora
