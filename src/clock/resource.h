#pragma once

// Resource identifiers of marvix.exe (and of the programs built beside it).
#define IDI_MARVIX 1
#define IDI_TRAY 2
#define IDR_FACE 101
#define IDR_FALLBACK_FACE 102
#define IDR_HELP 103
#define IDR_ALARM_SOUND 104
#define IDR_FACE_LARGE 105
