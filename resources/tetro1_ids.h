// Resource numbers of the falling-blocks game window (range 200-299).
#pragma once

#define IDI_TETRO1 200
#define IDI_TETRO1_LEFT 201
#define IDI_TETRO1_TURN 202
#define IDI_TETRO1_RIGHT 203
#define IDI_TETRO1_DROP 204
