#pragma once

namespace twostar {

// Applies skin `number` (1..69) to the application; outside that range it
// does nothing at all. Failures are never shown and never stop the program.
void applySkin(int number);

}  // namespace twostar
