#pragma once

namespace twostar {

// Starts the window toolkit, creates the engine's data, shows the main window
// and runs the message loop; releases the engine's data at the end. Returns 0.
int runApplication(int argc, char** argv);

}  // namespace twostar
