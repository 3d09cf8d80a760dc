#pragma once
// Wave files played on the system's audio server, one after another on a
// thread of their own, so the window paints while the game waits for a
// sound. No server, no device or a file that does not read plays nothing.

#include <functional>
#include <string>

namespace velmora {

// Plays `file` and runs `finished` on the GUI thread once its own length
// (from the file's header) has passed, at once when the file does not read.
// The game is paced by the sound, not by how long the audio server takes to
// drain its buffer, and the same with or without a server.
void playWaveFile(const std::string& file, std::function<void()> finished);

// Starts `file` without anyone waiting for it. The next sound asked for, of
// either kind, cuts it off.
void playWaveFileInBackground(const std::string& file);

}  // namespace velmora
