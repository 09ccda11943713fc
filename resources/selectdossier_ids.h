// Resource numbers of the folder choice dialog.
#pragma once

#define IDI_SELECTDOSSIER 300
