// The platform side of the lock-down: the screen-saver-running switch that
// makes Windows 95/98 ignore the task-switching and reset keys.
#pragma once

namespace dovrane {

void SetScreenSaverRunning(bool running);

}  // namespace dovrane
