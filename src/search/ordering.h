// Move ordering: capture sorting and the killer moves of each ply.
#pragma once

#include "board/move.h"

constexpr int KILLER_PLIES = 101;

// Newest and previous quiet-ish move that caused a cut-off at each ply; 0 is none.
extern Move killer_1[KILLER_PLIES];
extern Move killer_2[KILLER_PLIES];

// Forgets every killer (at the start of each iteration).
void Clear_killers();

// Orders the capture part of the list by descending score (an exchange sort,
// so equal scores may change places); the quiet part is left alone.
void Sort_moves(MoveList& list);

// Records list.move[index] as the newest killer of `ply`.
void Save_killer(int ply, const MoveList& list, int index);

// Brings killer_1[ply] to position `start` and killer_2[ply] to `start` + 1,
// each only when the list holds it at or after that position.
void Killers_first(MoveList& list, int start, int ply);
