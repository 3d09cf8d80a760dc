#pragma once
// Wave files played on the system's audio server, one after another on a
// thread of their own, so the window paints while the game waits for a
// sound. No server, no device or a file that does not read plays nothing.

#include <functional>
#include <string>

namespace velmora {

// Plays `file` and runs `finished` on the GUI thread once it has been heard
// or could not be played. Should the audio server stall, `finished` still
// runs, shortly after the sound's own length: the game never waits on it
// for long.
void playWaveFile(const std::string& file, std::function<void()> finished);

// Starts `file` without anyone waiting for it. The next sound asked for, of
// either kind, cuts it off.
void playWaveFileInBackground(const std::string& file);

}  // namespace velmora
