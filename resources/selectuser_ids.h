// Numbers of the user profiles dialog's resources (range 510-519).
#pragma once

#define IDI_SELECTUSER_OK 510
#define IDI_SELECTUSER_NEW 511
#define IDI_SELECTUSER_DELETE 512
#define IDI_SELECTUSER_CANCEL 513
