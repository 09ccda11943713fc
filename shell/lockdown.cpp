#include "shell/lockdown.h"

#include <windows.h>

namespace dovrane {

void SetScreenSaverRunning(bool running) {
    UINT previous = 0;
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, running ? 1 : 0, &previous, 0);
}

}  // namespace dovrane
