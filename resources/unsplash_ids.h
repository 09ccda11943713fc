// Numbers of the information box's resources (range 500-509).
#pragma once

#define IDB_SPLASH 500
