// Material values, phase values, weights and piece-square tables. All zero
// until the first Init_eval_tables, which every "isready" calls.
#pragma once

#include <cstdint>

extern std::int32_t piece_value[7];  // material value by piece code; king 90000
extern std::int32_t phase_value[7];  // counts knights, bishops, rooks and queens only

extern std::int32_t endgame_material;      // opponent phase material at or below which end-game tables apply
extern std::int32_t king_shelter_penalty;  // per shelter square without a piece of the king's colour
extern std::int32_t doubled_pawn_penalty;  // per file holding two or more pawns of a side
extern std::int32_t pawn_file_bonus;       // free-file bonus unit of a pawn
extern std::int32_t rook_mobility_weight;  // per square a rook reaches along its file

extern std::int32_t knight_table[64];
extern std::int32_t bishop_table[64];
extern std::int32_t pawn_table_middle[64];
extern std::int32_t pawn_table_end[64];
extern std::int32_t passed_pawn_table[64];
extern std::int32_t king_table_middle[64];
extern std::int32_t king_table_end[64];

// Sets every value above; called on every "isready".
void Init_eval_tables();
