#pragma once
// Wave files played on the system's audio server, each on a thread of its
// own, so the window paints while the game waits for a sound and no sound
// waits for the one before. No server, no device or a file that does not
// read plays nothing.

#include <atomic>
#include <functional>
#include <string>

#include "core/platform/wave.h"

namespace velmora {

// Plays `file` and runs `finished` on the GUI thread once its own length
// (from the file's header) has passed, at once when the file does not read.
// The game is paced by the sound, not by how long the audio server takes to
// drain its buffer, and the same with or without a server.
void playWaveFile(const std::string& file, std::function<void()> finished);

// Starts `file` without anyone waiting for it. The next sound asked for, of
// either kind, cuts it off.
void playWaveFileInBackground(const std::string& file);

// Where a sound's samples go, on the sound's own thread: the audio server,
// or a stand-in for the tests. It stops early once `cancelled` is raised.
using SoundSink = std::function<void(const WaveSound& sound, const std::atomic<bool>& cancelled)>;
// Sounds asked for from now on go to `sink`; an empty one restores the server.
void setSoundSink(SoundSink sink);

}  // namespace velmora
