#pragma once
// Ends the program in order when the desktop asks it to (SIGTERM, SIGINT,
// SIGHUP), so that the settings are written as at a normal close.

namespace velmora {

// Makes those signals quit the application's event loop.
void quitOnTerminationSignals();

}  // namespace velmora
