// Resource numbers of the icon chooser.
#pragma once

#define IDI_CHOIXICONE 310
