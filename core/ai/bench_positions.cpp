#include "core/ai/bench_positions.h"

namespace velmora {

// Reached by the program playing itself after a few random opening moves:
// openings, middle games and endgames with kings, on all three board sizes.
const std::vector<BenchPosition>& benchPositions() {
  static const std::vector<BenchPosition> positions = {
      // American, 10 moves played
      {American, "c3-b4 f6-e5 d2-c3 b6-c5 c1-d2 c7-b6 c3-d4 e5:c3 b2:d4 e7-f6"},
      // American, 36 moves played
      {American,
       "e3-f4 f6-e5 g3-h4 e5:g3 h2:f4 e7-f6 f2-g3 f8-e7 a3-b4 f6-g5 h4:f6 e7:g5:e3 d2:f4 b6-c5 "
       "b2-a3 c7-b6 c1-d2 g7-f6 a1-b2 b6-a5 f4-e5 d6:f4:h2 b4:d6 f6-e5 e1-f2 h6-g5 d2-e3 e5-f4 "
       "e3-d4 f4-e3 f2-g3 e3-d2 g3-h4 g5-f4 d4-e5 h8-g7"},
      // American, 44 moves played
      {American,
       "e3-f4 f6-g5 d2-e3 g5-h4 c3-d4 d6-c5 c1-d2 e7-d6 b2-c3 d6-e5 d4:f6 g7:e5 f4:d6 c7:e5 c3-d4 "
       "e5:c3 d2:b4:d6 d8-e7 d6-c7 b8:d6 a1-b2 b6-a5 e3-d4 h6-g5 d4-c5 d6:b4 a3:c5 e7-d6 c5:e7 "
       "f8:d6 e1-d2 a5-b4 b2-a3 d6-c5 d2-e3 b4-c3 e3-f4 g5:e3 f2:d4:b6 a7:c5 g3-f4 c3-b2 f4-g5 "
       "b2-a1"},
      // Brazilian, 30 moves played
      {Brazilian,
       "a3-b4 d6-e5 e3-d4 b6-a5 d2-e3 c7-b6 c1-d2 d8-c7 b2-a3 c7-d6 a1-b2 b6-c5 d4:b6 a7:c5 e3-f4 "
       "b8-c7 f2-e3 e5-d4 c3:e5 f6:d4:f2:h4 b2-c3 g7-f6 g1-f2 f6-e5 d2-e3 e5:g3 h2:f4 e7-f6 e1-d2 "
       "f6-e5"},
      // Brazilian, 47 moves played
      {Brazilian,
       "e3-d4 d6-c5 a3-b4 c5:a3 d2-e3 e7-d6 e3-f4 b6-a5 f2-e3 c7-b6 e1-f2 d8-c7 d4-e5 f6:d4 "
       "e3:c5:e7 f8:d6 c3-d4 d6-c5 f2-e3 c5-b4 g1-f2 g7-f6 g3-h4 h8-g7 h2-g3 b4-c3 d4-e5 f6:d4 "
       "e3:c5 b6:d4 f2-e3 d4:f2 g3:e1 a5-b4 b2:d4 g7-f6 e1-d2 c7-b6 f4-g5 h6:f4 d2-c3 b4:d2 "
       "c1:e3:g5:e7 b6-a5 d4-e5 a7-b6 e7-d8"},
      // Italian, 30 moves played
      {Italian,
       "g3-f4 f6-g5 c3-b4 b6-a5 f2-g3 a5:c3 b2:d4 d6-e5 f4:d6 c7:e5:c3 d2:b4 g7-f6 e3-d4 d8-c7 "
       "a1-b2 c7-b6 c1-d2 b6-a5 b2-c3 g5-h4 e1-f2 h8-g7 b4-c5 h6-g5 d2-e3 e7-d6 c5:e7 f8:d6 a3-b4 "
       "d6-e5"},
      // Italian, 49 moves played
      {Italian,
       "a3-b4 d6-e5 e3-d4 h6-g5 b4-c5 e5-f4 g3:e5 e7-d6 c5:e7 f8:d6:f4 d2-e3 f4:d2 c1:e3 c7-d6 "
       "f2-g3 g5-h4 e1-f2 b6-a5 e3-f4 d8-c7 f4-g5 a5-b4 c3:a5 f6-e5 d4:f6 g7:e5 g5-f6 e5-d4 f6-e7 "
       "d4-e3 f2:d4 h4:f2 g1:e3 a7-b6 e7-d8 h8-g7 b2-c3 d6-c5 d4-e5 c5-b4 c3-d4 b4-a3 e3-f4 g7-h6 "
       "d8-e7 a3-b2 a1:c3 h6-g5 f4:h6"},
      // PoolCheckers, 30 moves played
      {PoolCheckers,
       "g3-f4 d6-c5 h2-g3 c5-d4 c3:e5 f6:d4 e3:c5 b6:d4 g1-h2 e7-d6 f4-g5 h6:f4 g3:e5:c3 c7-b6 "
       "d2-e3 g7-f6 c1-d2 d8-c7 f2-g3 d6-c5 e1-f2 b6-a5 c3-d4 c7-b6 b2-c3 f8-e7 a1-b2 f6-g5 g3-f4 "
       "g5-h4"},
      // PoolCheckers, 57 moves played
      {PoolCheckers,
       "e3-d4 f6-g5 d2-e3 g5-h4 c3-b4 d6-c5 b4:d6 e7:c5 c1-d2 h6-g5 b2-c3 d8-e7 g3-f4 g7-h6 a1-b2 "
       "f8-g7 f2-g3 h4:f2 e1:g3 e7-d6 g1-f2 g7-f6 d4-e5 f6:d4 c3:e5 g5-h4 e5-f6 b6-a5 b2-c3 a7-b6 "
       "f4-e5 d6:f4 g3:e5 h6-g5 a3-b4 c5:a3 f6-e7 a5-b4 c3:a5 a3-b2 e7-f8 g5-f4 e5:g3 b2-c1 f8-h6 "
       "c1-b2 e3-f4 b2-a3 d2-e3 b6-c5 f4-g5 h4:f6 h6-g7 c5-b4 a5:c3 a3-c1 g7:d4"},
      // Russian, 30 moves played
      {Russian,
       "g3-h4 b6-a5 e3-f4 h6-g5 f4:h6 f6-e5 c3-d4 e5:c3 d2:b4 a5:c3 b2:d4 d6-c5 d4:b6 a7:c5 a1-b2 "
       "c7-b6 c1-d2 e7-d6 b2-c3 g7-f6 d2-e3 b8-a7 f2-g3 d8-c7 e1-f2 b6-a5 c3-d4 c7-b6 g3-f4 f8-g7"},
      // Russian, 49 moves played
      {Russian,
       "g3-f4 b6-c5 f2-g3 h6-g5 f4:h6 c7-b6 e1-f2 b6-a5 c3-d4 a7-b6 g3-h4 f6-e5 d4:f6 g7:e5 d2-c3 "
       "e7-f6 h4-g5 f6:h4 c3-b4 a5:c3 b2:d4:f6 b6-a5 c1-b2 b8-a7 b2-c3 f8-e7 c3-d4 e7:g5 d4:b6 "
       "a5:c7 h6:f4 d6-c5 a1-b2 c7-b6 b2-c3 b6-a5 c3-d4 a7-b6 h2-g3 h8-g7 d4-e5 g7-h6 e5-f6 a5-b4 "
       "e3-d4 c5:e3:g5:e7 a3:c5:a7 e7-d6 a7-b8"},
      // Spanish, 43 moves played
      {Spanish,
       "e3-f4 d6-c5 a3-b4 c5:a3 c3-b4 f6-e5 f4:d6 c7:e5 b4-c5 b6:d4 b2-c3 d4:b2 a1:c3 e7-d6 d2-e3 "
       "g7-f6 e1-d2 h6-g5 c3-b4 a7-b6 d2-c3 b6-a5 g3-h4 h8-g7 f2-g3 g7-h6 g1-f2 b8-a7 e3-d4 d8-c7 "
       "f2-e3 c7-b6 g3-f4 e5:g3 h2:f4 f8-e7 d4-e5 f6:d4:f2 h4:f6:d8 f2-g1 c3-d4 a5:c3 d8:a5:d2"},
      // Thai, 24 moves played
      {Thai,
       "h2-g3 g7-h6 g3-h4 h8-g7 g1-h2 g7-f6 b2-c3 f6-e5 a1-b2 h6-g5 h4:f6 e7:g5 d2-e3 g5-h4 c1-d2 "
       "c7-b6 c3-b4 b6-a5 b2-a3 a5:c3 d2:b4 d8-c7 h2-g3 f8-e7"},
      // Thai, 43 moves played
      {Thai,
       "d2-c3 g7-h6 f2-g3 e7-f6 c1-d2 h6-g5 e1-f2 c7-b6 d2-e3 d8-c7 c3-b4 c7-d6 b2-c3 b6-a5 a1-b2 "
       "g5-h4 b2-a3 f6-e5 e3-f4 h8-g7 f4-g5 g7-h6 g5-f6 b8-c7 f6-g7 c7-b6 g7-h8 h6-g5 h8:d4 b6-c5 "
       "d4:b6 a7:c5 g3-f4 g5:e3 f2:d4:b6 d6-e5 b6-c7 e5-d4 c3:e5 a5:c3 a3-b4 c3-d2 c7-d8"},
      // Turkish, 60 moves played
      {Turkish,
       "c3-c4 b6-b5 h3-h4 a6-b6 h2-h3 e6-e5 c4-c5 b5:d5 g2-h2 a7-a6 b3-b4 a6-a5 c2-c3 f6-f5 h2-g2 "
       "e7-e6 b2-b3 a5-a4 a3:a5 c6-c5 c3-c4 c5:c3:a3:a1 g3-g4 a1:a6 g4-g5 g6:g4 h4:f4:f6:f8 d6-c6 "
       "d3-d4 d5:d3:d1 f8-a8 b7-a7 b4-a4 a6:a1 a8:a5:g5:g8 a1-a8 g8-h8 h6-h5 h8:h6:d6:d8 a8:g8:g1 "
       "e3-e4 g1-g6 f2-g2 g6:g1 f3-e3 g1-h1 h3-g3 h1-h3 g3-f3 h5-g5 e2-f2 d1-d2 e4-f4 d2:g2 f4-e4 "
       "g2-f2 f3-f4 f2:f5 e3-d3 h3:c3"},
      // International, 10 moves played
      {International, "h4-g5 g7-h6 f4-e5 h6:f4:d6 g3-h4 d6-c5 b4:d6 e7:c5 d4:b6 a7:c5"},
      // International, 40 moves played
      {International,
       "h4-i5 e7-f6 i5-j6 f8-e7 g3-h4 i7-h6 d4-e5 f6:d4 c3:e5 j8-i7 b2-c3 g9-f8 a1-b2 i9-j8 h4-g5 "
       "h10-g9 c3-d4 j10-i9 b2-c3 a7-b6 f2-g3 e7-f6 g5:e7 d8:f6 b4-c5 b8-a7 e5-d6 c7:e5 f4:d6 "
       "h6-i5 j4:h6 i7:g5 e1-f2 b6-a5 a3-b4 j8-i7 g3-h4 i7-h6 f2-g3 a9-b8"},
      // International, 113 moves played
      {International,
       "h4-i5 i7-j6 i3-h4 h8-i7 h2-i3 g9-h8 g1-h2 g7-h6 i5:g7 h8:f6 d4-e5 f6:d4 c3:e5 c7-b6 b2-c3 "
       "i9-h8 a1-b2 b6-a5 b4-c5 h8-g7 c5-d6 e7:c5 e5-f6 g7:e5 f4:d6:b4 d8-c7 e3-f4 f8-e7 b4-c5 "
       "e9-d8 d2-e3 f10-e9 c1-d2 h10-g9 a3-b4 e9-f8 b2-a3 c7-b6 e3-d4 d8-c7 d2-e3 c7-d6 j4-i5 "
       "f8-g7 e1-d2 g9-f8 f4-e5 d6:f4 g3:e5 e7-f6 e3-f4 f8-e7 d2-e3 g7-h6 e5:g7 h6:j4 c5-d6 e7:c5 "
       "b4:d6 i7-h6 g7:i5 j4:h6 f2-g3 j8-i7 f4-e5 j10-i9 c3-b4 a5:c3 d4:b2 i9-h8 b2-c3 h8-g7 "
       "c3-d4 c9-d8 e3-f4 d8-c7 i3-j4 g7-f6 e5:g7:i5 c7:e5:c3 a3-b4 c3:a5 f4-g5 i7-h6 i5:g7 a5-b4 "
       "g7-f8 b4-c3 f8-g9 c3-d2 h2-i3 b6-a5 g9-h10 a7-b6 g5-f6 d2-c1 h10-a3 b8-a7 f6-g7 c1-j8 "
       "g7-h8 j8-h10 h8-g9 h10:d6:h2 i1:g3 d10-c9 a3-d6 c9-b8 d6-e7 b8-c7 j4-i5 a5-b4 e7:a3"},
      // Frisian, 40 moves played
      {Frisian,
       "d4-c5 g7-f6 c5-b6 a7:c5 b4:d6:h6 i7:g5 h4:f6 e7:g5 f4:h6 h8:h4 i3:g5 j8-i7 h2-i3 c7-b6 "
       "g1-h2 f8-e7 a3-b4 b6-a5 e3-d4 b8-a7 d2-e3 d8-c7 e1-d2 c9-b8 i3-h4 c7-b6 e3-f4 e9-d8 d2-e3 "
       "d8-c7 c1-d2 e7-d6 d4:d8 c7:e9 b2-a3 b6:b2:d4 d2:d6 i7-j6 j4:j8 j10:j6"},
      // Crowded, 40 moves played
      {Crowded,
       "b4-c5 a7-b6 c5:a7 i7-j6 a3-b4 g7-f6 d4-e5 f6:d4 c3:e5 f8-g7 b2-c3 g7-f6 e5:g7 h8:f6 a1-b2 "
       "j8-i7 c3-d4 g9-f8 b2-c3 c7-b6 f4-g5 d8-c7 c1-b2 b6-a5 b4-c5 e9-d8 b2-a3 c7-b6 e3-f4 d8-c7 "
       "f4-e5 f10-e9 e5:g7 f8:h6:f4 g3:e5 e9-d8 f2-g3 i9-h8 g1-f2 h10-g9"},
      // SparseCheckers, 136 moves played
      {SparseCheckers,
       "i3-h4 h8-g7 h4-g5 d8-e7 h2-i3 e7-d6 g1-h2 g7-h6 g5:i7 j8:h6 c3-d4 i9-h8 b2-c3 h6-i5 a1-b2 "
       "b8-a7 a3-b4 h8-g7 b2-a3 f8-e7 e3-f4 c9-b8 i3-h4 i5-j4 b4-c5 d6:b4 a3:c5 b8-c7 d2-e3 e9-d8 "
       "c1-d2 g7-f6 f4-g5 d10-c9 e3-f4 g9-f8 d2-e3 c7-b6 g5-h6 c9-b8 h4-i5 f10-e9 g3-h4 h10-g9 "
       "f2-g3 j10-i9 e1-f2 d8-c7 c3-b4 e9-d8 b4-a5 f6-g5 h4:f6 e7:g5 c5-d6 c7:e5:c3 a5:c7:e9 "
       "c3-d2 e9-f10 g9-h8 f10-g9 f8-e7 g9:i7 i9-j8 i7-h8 d2-e1 h6-g7 g5-h4 g7-f8 e7-d6 f8-g9 "
       "h4-i3 j2:h4 d6-c5 i1-j2 c5-b4 f4-g5 b4-a3 e3-f4 a3-b2 g5-h6 e1-d2 f4-g5 d2-e1 i5-j6 b2-a1 "
       "h4-i5 a7-b6 h8-i7 a1-b2 j2-i3 b2-c3 g5-f6 c3-d4 g9-h10 d4-e5 f6-g7 e5-f4 g3:e5 e1:g3:i1 "
       "i3-h4 j4-i3 g7-f8 i3-h2 f8-e9 h2-g1 e5-f6 g1-f2 f6-g7 i1-h2 h4-g5 f2-e3 g7-h8 h2-g3 h8-i9 "
       "g3-h4 g5-f6 e3-d4 f6-e7 d4-c5 e9-f10 b6-a5 e7-d8 c5-b6 d8-e9 b8-a7 i9-j10 h4-g5 f10-g9 "
       "g5-h4 g9-h8 h4-g5 h10-i9 g5-f6 h8-g7 f6:h8"},
      // Canadian, 10 moves played
      {Canadian, "k5-l6 b8-c7 a5-b6 c7:a5 j4-k5 j8-k7 l6:j8 k9:i7 i5-j6 c9-b8"},
      // Canadian, 90 moves played
      {Canadian,
       "c5-d6 d8-c7 i5-h6 c9-d8 b4-c5 j8-i7 h6:j8 k9:i7 k5-l6 d10-c9 a3-b4 h8-g7 d6-e7 d8:f6 "
       "g5:e7 f8:d6 c5:e7 c7-b6 a5:c7 b8:d6:f8 f4-g5 g7-h6 e5-f6 h6:f4 e3:g5 f8-e7 f6:d8 c9:e7 "
       "d2-e3 i9-h8 c1-d2 e9-d8 e3-f4 d8-c7 d2-e3 i7-h6 g5:i7 h8:j6 l6-k7 c7-b6 k7:i5 b6-a5 d4-e5 "
       "l8-k7 b4-c5 g9-f8 c3-b4 a5:c3 b2:d4 f10-e9 a1-b2 e9-d8 b2-c3 h10-g9 e5-f6 e7:g5 f4:h6 "
       "j10-i9 d4-e5 l10-k9 j4-k5 i9-h8 c3-d4 d8-c7 e3-f4 k7-l6 i3-j4 h8-g7 c5-d6 a9-b8 h2-i3 "
       "k9-j8 g1-h2 b10-a9 f2-e3 c11-b10 e1-f2 e11-d10 d4-c5 d10-c9 f4-g5 g11-f10 k5-j6 i11-h10 "
       "l4-k5 f10-e9 k3-l4 h12-g11 j2-k3 e9-d8"},
      // Canadian, 162 moves played
      {Canadian,
       "e5-f6 j8-i7 k5-j6 i7:k5 j4:l6 l8-k7 l6:j8 k9:i7 f6-e7 d8:f6 g5:e7 f8:d6 c5:e7 i7-h6 i5:g7 "
       "h8:f6:d8 i3-j4 g9-f8 h2-i3 i9-h8 g1-h2 h8-g7 b4-c5 h10-g9 a3-b4 j10-i9 d4-e5 d8-c7 j4-k5 "
       "l10-k9 i3-j4 k9-j8 h2-i3 j8-i7 e5-d6 c7:e5 f4:d6 e9-d8 c3-d4 d8-e7 b2-c3 g7-f6 a1-b2 "
       "i9-h8 h4-g5 f6:h4 g3:i5 b8-a7 f2-g3 h8-g7 e1-f2 i7-h6 e3-f4 g9-h8 d2-e3 f10-e9 c1-d2 "
       "g11-f10 d4-e5 i11-h10 c3-d4 h10-g9 b2-c3 k11-j10 g3-h4 h8-i7 f2-g3 j10-i9 a5-b6 i9-h8 "
       "b4-a5 e9-d8 i5-j6 f10-e9 h4-i5 c9-b8 g3-h4 d10-c9 j6-k7 e11-d10 i5-j6 f12-e11 h4-i5 "
       "h12-g11 k7-l8 j12-i11 j6-k7 i11-h10 i5-j6 b8-c7 d6:b8 a9:c7 k5-l6 i7:k5 l4:j6 c9-b8 j4-k5 "
       "b10-a9 c3-b4 d10-c9 i3-j4 e7-d6 c5:e7 a7:c5:a3 d2-c3 f8:d6 k3-l4 b8-a7 k7-j8 c9-b8 j6-i7 "
       "h8:j6 k5:i7:g5 a7-b6 j8-k9 b8-a7 j2-k3 c11-b10 i1-j2 e11-d10 j4-k5 g9-h8 j2-i3 d10-c9 "
       "k1-j2 c9-b8 i3-j4 h10-g9 j4-i5 g9-f8 k9-j10 g11-h10 i5-j6 b10-c9 l6-k7 d12-c11 g5-h6 "
       "g7:i5 j6:h4 f8-e7 h4-i5 h8-g7 i5-h6 g7:i5 e5-f6 e7:g5 f4:h6:j4 d8-e7 c3-b4 a3:c5 j2-i3 "
       "l12-k11 j10:l12 e7-f6 l12:e5 d6:f4:d2 d4-e5 d2-c1 k5-l6 c1-b2 i3-h4 b2:f6:i3:k5"},
  };
  return positions;
}

// Random games, some continued by the program playing itself at Easy, taken
// where both sides have kings and the side to move has many moves.
const std::vector<BenchPosition>& manyKingPositions() {
  static const std::vector<BenchPosition> positions = {
      // Gothic, 258 moves played, kings 4/2
      {Gothic,
       "b2-a3 g7-g6 f2-f3 c7-d6 h2-h3 g6-f5 h3-g3 d6-d5 c2-d3 f5-g5 b1-c2 b7-a6 e1-f2 g5-f5 a1-b1 "
       "f5-e5 a3-b4 d5-c5 b4:d6 e7:c5 d2-e3 d7-c6 a2-b3 e5-d5 c1-d2 d5-e5 b1-c1 c6-b6 d1-e1 e5-d5 "
       "c2-c3 c5-b5 b3-b4 b5:b3 c3:a3 d5-c5 c1-d1 b6-a5 a3-b3 c5-b5 g1-h2 f7-e6 g2-h3 h7-g7 f2-g2 "
       "g7-f7 e1-f2 e6-d6 b3-c4 b5-a4 d1-e1 c8-b7 f1-g1 d8-c8 e1-f1 d6-c6 d3-e4 c6-b5 d2-d3 b5-b4 "
       "c4-c5 b7-b6 c5-b5 a5:c5 d3-c3 b4:d2 e2:c2 c5-b5 c2-d3 b5-a5 d3-c3 a4-a3 c3-b3 a3:c3 e3-d3 "
       "c3:e3 f2:d4 f7-e7 f3-g4 e7-d7 g3-h4 d7-c7 e4-f4 c7-b7 f1-f2 e8-d8 f2-g3 d8-c7 g1-f1 f8-e8 "
       "f1-g1 e8-d8 f4-g5 g8-f8 d4-e5 f8-e8 e5-f5 d8-d7 f5-f6 d7-c6 g4-h5 c6-b5 g5-h6 e8-e7 f6:d8 "
       "c8:e8 h6-h7 h8:h6 h5:h7 b5-a4 g3-g4 a4-b3 g2-g3 b3-c2 g4-h5 c2-d1 g1-g2 e8-d7 h5-g6 d7-e7 "
       "h7-h8 e7-f7 g6:e8 c7-d7 e8:c6 b6:d6 g2-f2 d1-c1 f2-g2 d6-c6 g3-g4 c6-b5 g4-h5 c1-d1 h5-g6 "
       "d1-e1 g6-f6 e1-f1 f6-f7 a5-a4 h2-g3 f1-e1 g2-f2 e1-d2 h1-h2 d2-c2 f2-e2 a4-a3 e2-d2 c2:e2 "
       "g3-f3 e2:g4 h3:f5 a3-a2 f5-g5 a2-b2 g5-h5 b2-c2 f7-e7 c2-d2 e7-d8 b5-a5 d8-e8 b8-c8 e8-f8 "
       "d2-e1 h5-h6 e1-f1 h6-h7 f1-g1 h2-h3 g1-f1 h7-g7 f1-g1 g7-f7 g1-f1 h8-g7 f1-g1 g7-f6 c8-c7 "
       "h3-g3 a5-a4 g3-h3 a4-a3 h4-h5 a3-a2 h3-g3 a2-a1 g3-h3 a1-b2 h3-g3 g1-g2 g3-h3 b2-c3 f6-g5 "
       "c3-d3 g5-f4 d3-d4 h3-h4 c7-b6 f7-e8 b7-c7 e8-f7 c7-d6 f4-g4 d6-c6 g4-h3 g2-f2 h5-h6 b6-a5 "
       "h6-h7 f2-f1 f7-e7 d4-c4 h7-g7 c6-b5 g7-g8 f1-e1 h3-g3 c4-d4 g3-f3 e1-d1 e7-d7 d4-d3 f8-e8 "
       "d1-d2 f3-f2 d2-d1 g8-f8 d1-e1 f2-g2 d3-e3 f8-e7 e1-f1 g2-g3 f1-e1 h4-h5 e1-e2 g3-g2 e2-e1 "
       "g2-g3 e1-e2 g3-g2 e2-e1 g2-g3 e1-e2 g3-g2 e2-e1 g2-g3 e1-e2 g3-g2 e2-e1 g2-g3 e1-e2 g3-g2 "
       "e2-e1 g2-g3 e1-e2"},
      // Gothic, 202 moves played, kings 3/2
      {Gothic,
       "b2-a3 g7-g6 f2-f3 c7-d6 h2-h3 g6-f5 h3-g3 d6-d5 c2-d3 f5-g5 b1-c2 b7-a6 e1-f2 g5-f5 a1-b1 "
       "f5-e5 a3-b4 d5-c5 b4:d6 e7:c5 d2-e3 d7-c6 a2-b3 e5-d5 c1-d2 d5-e5 b1-c1 c6-b6 d1-e1 e5-d5 "
       "c2-c3 c5-b5 b3-b4 b5:b3 c3:a3 d5-c5 c1-d1 b6-a5 a3-b3 c5-b5 g1-h2 f7-e6 g2-h3 h7-g7 f2-g2 "
       "g7-f7 e1-f2 e6-d6 b3-c4 b5-a4 d1-e1 c8-b7 f1-g1 d8-c8 e1-f1 d6-c6 d3-e4 c6-b5 d2-d3 b5-b4 "
       "c4-c5 b7-b6 c5-b5 a5:c5 d3-c3 b4:d2 e2:c2 c5-b5 c2-d3 b5-a5 d3-c3 a4-a3 c3-b3 a3:c3 e3-d3 "
       "c3:e3 f2:d4 f7-e7 f3-g4 e7-d7 g3-h4 d7-c7 e4-f4 c7-b7 f1-f2 e8-d8 f2-g3 d8-c7 g1-f1 f8-e8 "
       "f1-g1 e8-d8 f4-g5 g8-f8 d4-e5 f8-e8 e5-f5 d8-d7 f5-f6 d7-c6 g4-h5 c6-b5 g5-h6 e8-e7 f6:d8 "
       "c8:e8 h6-h7 h8:h6 h5:h7 b5-a4 g3-g4 a4-b3 g2-g3 b3-c2 g4-h5 c2-d1 g1-g2 e8-d7 h5-g6 d7-e7 "
       "h7-h8 e7-f7 g6:e8 c7-d7 e8:c6 b6:d6 g2-f2 d1-c1 f2-g2 d6-c6 g3-g4 c6-b5 g4-h5 c1-d1 h5-g6 "
       "d1-e1 g6-f6 e1-f1 f6-f7 a5-a4 h2-g3 f1-e1 g2-f2 e1-d2 h1-h2 d2-c2 f2-e2 a4-a3 e2-d2 c2:e2 "
       "g3-f3 e2:g4 h3:f5 a3-a2 f5-g5 a2-b2 g5-h5 b2-c2 f7-e7 c2-d2 e7-d8 b5-a5 d8-e8 b8-c8 e8-f8 "
       "d2-e1 h5-h6 e1-f1 h6-h7 f1-g1 h2-h3 g1-f1 h7-g7 f1-g1 g7-f7 g1-f1 h8-g7 f1-g1 g7-f6 c8-c7 "
       "h3-g3 a5-a4 g3-h3 a4-a3 h4-h5 a3-a2 h3-g3 a2-a1 g3-h3 a1-b2 h3-g3 g1-g2 g3-h3 b2-c3 f6-g5 "
       "c3-d3 g5-f4 d3-d4 h3-h4 c7-b6 f7-e8 b7-c7"},
      // Gothic, 104 moves played, kings 2/1
      {Gothic,
       "g2-f3 d7-e6 b2-a3 c7-c6 f1-g2 g7-f6 f3-e3 c6-c5 c2-b2 f6-f5 b2-b3 h8-g7 a3-b4 c5:a3:c3 "
       "d2:b4 e7-d6 a2-b2 e8-d7 c1-c2 f5-e5 g2-h3 h7-h6 b2-a2 c8-c7 c2-d2 b7-c6 b4-c4 e6-f6 e3-d4 "
       "e5:c3 d2:b4 f6-e5 b4-c5 d6:b4:d4 a1-b2 f7-f6 f2-g2 f8-e7 b1-a1 h6-g6 a2-a3 d4-c4 e1-f2 "
       "a7-a6 g1-f1 g6-h6 b2-a2 c7-b7 a1-b1 a6-b6 f2-f3 d7-e6 f1-f2 d8-c7 b1-c1 e5-f4 "
       "f3:f5:d7:f7:h7 f6-g5 c1-c2 b7-a6 a2-b3 c4:a2 d1-d2 g8-h8 h1-g1 c6-d5 c2-d3 h8-g8 a3-a4 "
       "a2-a1 g1-h1 b6-b5 a4:c6:c8 b8:d8 f2-e3 d8-c8 e2-f2 a1-b1 d2-c2 g8-g7 h7:f7 a8-a7 f2-e2 "
       "a6-a5 g2-f3 d5-e4 d3:f5:h5:h7 b1:d3:f1 h1-g1 f1:h1 f3-g4 h1-g1 g4-g5 a5-b5 f7-e8 a7-b6 "
       "e8-f8 b5-a5 f8-e7 b6-a6 h7-h8 a6-b5 h3-g3 b5-a4"},
      // Turkish, 24 moves played, kings 1/2
      {Turkish,
       "d3-d4 g6-g5 g3-g4 g5:g3:g1 c3-c4 b6-b5 c4-b4 f6-g6 b4:b6:b8 e6-f6 b8-b4 c7-b7 b4:b8 g1-a1 "
       "b8-b6 c6-c5 b6:e6:e8 d7-d6 e8-g8 c5-d5 g8-b8 d5:d3:d1 e3-d3 d1:d5"},
      // Turkish, 67 moves played, kings 2/1
      {Turkish,
       "h3-h4 f6-f5 h4-g4 f7-f6 h2-h3 f5-g5 e3-e4 g5-h5 g4-g5 h5:f5 e4-d4 f5-e5 d3-e3 c6-c5 e3-d3 "
       "c7-c6 d4-d5 d6:d4 d3:d5:f5:f7 c6-d6 g2-h2 e6-e5 g3-g4 e7-e6 f7-f8 h6-h5 b3-b4 e6-f6 "
       "f8:f5:d5:a5 a6:a4:c4 c3:c5 g6-h6 f3-g3 b6-a6 b2-b3 h6-g6 a2-b2 d6-d5 c5:e5 g6-h6 e5-e6 "
       "a6-a5 h3-h4 h5:h3:f3:f1 e2-e3 g7-g6 h2-g2 f1-b1 d2-e2 d7-d6 e6:c6 g6-f6 b3-c3 "
       "b1:b3:d3:g3:g5 a3-a4 g5:g1 a4:a6:a8 f6-g6 c2-b2 h7-g7 b2-b3 b7-c7 c6:c8 g7-h7 e2-d2 h7-g7 "
       "c8-c4"},
      // International, 144 moves played, kings 1/2
      {International,
       "b4-a5 a7-b6 d4-e5 g7-h6 c3-b4 c7-d6 e5:c7 b8:d6 a5:c7:e5 h6-g5 f4:h6 i7:g5 h4:f6 e7:g5 "
       "b2-c3 f8-g7 c3-d4 g9-f8 a1-b2 d8-c7 b2-c3 c7-b6 b4-c5 b6-a5 c5-b6 a5:c7 e5-d6 c7:e5 "
       "d4:f6:h4 g7-f6 a3-b4 f8-e7 c3-d4 h8-g7 e3-f4 j8-i7 d2-e3 c9-b8 c1-d2 e9-d8 b4-c5 d8-c7 "
       "d2-c3 c7-d6 c5-b6 i9-h8 b6-c7 d6-c5 d4:b6 b8:d6 c3-d4 d10-c9 e1-d2 f10-e9 f4-e5 d6:f4 "
       "e3:g5 e9-d8 d2-e3 g7-h6 e3-f4 h8-g7 f2-e3 i7-j6 g5:i7 j6:h8 g1-f2 c9-b8 h4-i5 h10-g9 i5-j6 "
       "b8-c7 b6-a7 c7-d6 f4-g5 f6:h4 i3:g5 g7-f6 h2-i3 f6:h4 g3:i5 d8-c7 f2-g3 h8-g7 e3-f4 g9-f8 "
       "g3-h4 g7-f6 i1-h2 j10-i9 h2-g3 f8-g7 f4-g5 g7-h6 i5:g7:e5 d6:f4:h2 i3:g1 e7-d6 g1-h2 i9-h8 "
       "g5-h6 b10-c9 h2-i3 c9-d8 h4-i5 d6-c5 d4:b6 c7:a5 i3-h4 a5-b4 h6-i7 h8-g7 i7-j8 g7-f6 j8-i9 "
       "f6-e5 i9-j10 e5-f4 a7-b8 a9:c7 j10-d4 d8-e7 d4-b2 f4-e3 b2-c1 e3-f2 c1-a3 b4-c3 a3:f8 "
       "f2-g1 f8-e9 c3-b2 e9:a5 b2-c1 a5-c7 c1-d2 c7-e5 g1-e3 e5-b2 d2-c1 b2-a3 e3-f4 a3-c5 c1-b2"},
      // International, 62 moves played, kings 1/1
      {International,
       "d4-e5 i7-h6 h4-i5 a7-b6 e5-f6 e7:g5 i5-j6 h6-i5 j6:h4:f6 g7:e5 f4:d6 c7:e5 j4-i5 f8-g7 "
       "b4-c5 b6:d4 e3:c5 b8-c7 g3-f4 e5:g3 h2:f4 c7-b6 c5:a7 g7-h6 i5:g7 h8:f6 f4-g5 f6:h4 i3:g5 "
       "d8-c7 d2-e3 c9-d8 c1-d2 j8-i7 j2-i3 e9-f8 e3-f4 i9-h8 g5-f6 d10-c9 f4-e5 j10-i9 f6-g7 "
       "h8:f6:d4 c3:e5 f8-g7 g1-h2 c7-b6 a7:c5 d8-e7 e5-f6 g7:e5 i3-h4 e5-f4 h4-i5 f4-g3 f2:h4 "
       "e7-f6 i5-j6 f6-g5 j6:h8:j10 g5:i3:g1"},
      // Canadian, 173 moves played, kings 1/2
      {Canadian,
       "e5-f6 f8-e7 c5-d6 e7:c5 d4:b6 h8-g7 f6:h8 g9:i7 c3-d4 j8-k7 g5-h6 i7:g5 f4:h6 i9-h8 b2-c3 "
       "f10-g9 k5-j6 h8-g7 h6:f8 g9:e7 a1-b2 k9-j8 d4-e5 h10-i9 c3-d4 l10-k9 b2-c3 g11-f10 e3-f4 "
       "b8-c7 d2-e3 e7-d6 e5-f6 j8-i7 j6:h8 i9:g7:e5 d4:f6 c9-b8 j4-k5 d10-c9 c1-d2 k9-j8 i3-j4 "
       "j10-i9 h2-i3 i9-h8 g1-h2 e11-d10 b4-c5 d6:b4 a3:c5 b8-a7 c3-d4 e9-f8 d4-e5 c9-b8 f4-g5 "
       "f10-e9 e3-f4 d10-c9 d2-e3 k11-j10 i5-h6 h8-i7 f6-g7 f12-e11 h4-i5 j10-i9 e5-d6 c7:e5 f4:d6 "
       "k7-j6 i5:k7 j8:l6 h6:j8:h10 f8:h6:f4:d2 e1:c3 i11:g9 c3-d4 l8-k7 g3-h4 e11-d10 f2-g3 g9-f8 "
       "h4-i5 h12-g11 g3-h4 g11-f10 d4-e5 k7-j6 k5:i7 j12-i11 i5-j6 i11-h10 h4-i5 f10-g9 h2-g3 "
       "d8-e7 i5-h6 e9-d8 g3-h4 h10-i9 h4-i5 i9-h8 e5-f6 e7:g5 h6:f4 h8-g7 f4-g5 g7-f6 g5:e7 d8:f6 "
       "i7-j8 f6-g5 j6-k7 g5-f4 i5-j6 f4-e3 i1-h2 e3-d2 d6-c7 b8:d6:b4 a5:c3:e1 a7:c5 e1-f2 c5-b4 "
       "f2-g3 b4-a3 k7-l8 a3-b2 j8-k9 b2-a1 j6-i7 a1-c3 i7-j8 c3-e1 i3-h4 f8-e7 j4-i5 e7-f6 i5-h6 "
       "f6-e5 l4-k5 l6:j4 k3:i5 e1-c3 h4-g5 e5-d4 j8-i9 c3-e1 g3-h4 d4-e3 i9-j10 e3-f2 j10-i11 "
       "f2-g1 i11-j12 g1:k5 j12:a3 c9-b8 j2-k3 k5-h2 k3-l4 b8-a7 a3-j12 d10-c9 k9-l10 c9-b8 j12-a3 "
       "h2-c7 a3-c1 c7-d6 c1-e3"},
      // Canadian, 170 moves played, kings 1/2
      {Canadian,
       "e5-f6 f8-e7 c5-d6 e7:c5 d4:b6 h8-g7 f6:h8 g9:i7 c3-d4 j8-k7 g5-h6 i7:g5 f4:h6 i9-h8 b2-c3 "
       "f10-g9 k5-j6 h8-g7 h6:f8 g9:e7 a1-b2 k9-j8 d4-e5 h10-i9 c3-d4 l10-k9 b2-c3 g11-f10 e3-f4 "
       "b8-c7 d2-e3 e7-d6 e5-f6 j8-i7 j6:h8 i9:g7:e5 d4:f6 c9-b8 j4-k5 d10-c9 c1-d2 k9-j8 i3-j4 "
       "j10-i9 h2-i3 i9-h8 g1-h2 e11-d10 b4-c5 d6:b4 a3:c5 b8-a7 c3-d4 e9-f8 d4-e5 c9-b8 f4-g5 "
       "f10-e9 e3-f4 d10-c9 d2-e3 k11-j10 i5-h6 h8-i7 f6-g7 f12-e11 h4-i5 j10-i9 e5-d6 c7:e5 f4:d6 "
       "k7-j6 i5:k7 j8:l6 h6:j8:h10 f8:h6:f4:d2 e1:c3 i11:g9 c3-d4 l8-k7 g3-h4 e11-d10 f2-g3 g9-f8 "
       "h4-i5 h12-g11 g3-h4 g11-f10 d4-e5 k7-j6 k5:i7 j12-i11 i5-j6 i11-h10 h4-i5 f10-g9 h2-g3 "
       "d8-e7 i5-h6 e9-d8 g3-h4 h10-i9 h4-i5 i9-h8 e5-f6 e7:g5 h6:f4 h8-g7 f4-g5 g7-f6 g5:e7 d8:f6 "
       "i7-j8 f6-g5 j6-k7 g5-f4 i5-j6 f4-e3 i1-h2 e3-d2 d6-c7 b8:d6:b4 a5:c3:e1 a7:c5 e1-f2 c5-b4 "
       "f2-g3 b4-a3 k7-l8 a3-b2 j8-k9 b2-a1 j6-i7 a1-c3 i7-j8 c3-e1 i3-h4 f8-e7 j4-i5 e7-f6 i5-h6 "
       "f6-e5 l4-k5 l6:j4 k3:i5 e1-c3 h4-g5 e5-d4 j8-i9 c3-e1 g3-h4 d4-e3 i9-j10 e3-f2 j10-i11 "
       "f2-g1 i11-j12 g1:k5 j12:a3 c9-b8 j2-k3 k5-h2 k3-l4 b8-a7 a3-j12 d10-c9 k9-l10 c9-b8 j12-a3 "
       "h2-c7"},
      // Canadian, 183 moves played, kings 1/2
      {Canadian,
       "g5-h6 d8-e7 k5-l6 j8-i7 h6:j8 k9:i7 i5-h6 i7:g5 h4:f6:d8 c9:e7 j4-k5 e9-d8 k5-j6 d8-c7 "
       "e5-f6 e7:g5 f4:h6 b8-a7 j6-i7 h8:j6 k3-j4 j10-k9 j4-k5 f10-e9 k5:i7 c7-b6 a5:c7 k11-j10 "
       "l6-k7 l8:j6:h8 i3-j4 e9-d8 c7:e9:g7 h8:f6 l4-k5 g11-f10 b4-a5 a9-b8 h2-i3 g9-h8 g3-h4 "
       "h12-g11 j2-k3 f10-e9 k5-j6 h8-i7 h6:j8 i9:k7:i5:g3 f2:h4 j10-i9 c5-d6 g11-f10 h4-g5 "
       "f6:h4:j2:l4 c3-b4 e9-f8 d2-c3 i11-j10 g1-f2 f10-e9 a5-b6 a7:c5:e7 k1-j2 e7-f6 e1-d2 i9-h8 "
       "j2-k3 l4:j2 i1:k3 k9-l8 d4-c5 f6-g5 j4-k5 l12-k11 b4-a5 l8-k7 c5-d6 b10-c9 k5-j6 k7:i5 "
       "k3-l4 c9-d8 l2-k3 e11-f10 d6-c7 d8:b6 a5:c7:a9 i5-j4 k3:i5 h8-i7 e3-d4 e9-d8 c3-b4 j12-i11 "
       "f2-e3 a11-b10 b2-c3 i7-h6 i5:g7:e9:g11:i9 j10:h8 c1-b2 k11-j10 b4-c5 d8-e7 d4-e5 j10-i9 "
       "c3-d4 d12-e11 c5-b6 g5-h4 d2-c3 l10-k9 l4-k5 i9-j8 d4-c5 i11-j10 b6-a7 d10-c9 c5-b6 k9-l8 "
       "a7-b8 c9:a7:c5 c3-b4 j10-i9 b4:d6:f8 h4-g3 e5-f6 g3-f2 e3:g1 h8-i7 k5-l6 b10-c9 g1-h2 "
       "f12-g11 l6-k7 j8:l6 f6-g7 l6-k5 h2-i3 i9-h8 g7:i9 c9-b8 a9:c7 i7-h6 i3-j4 k5:i3 f8-g9 "
       "b12-a11 a3-b4 h6-i5 c7-b8 i5-j4 g9-h10 l8-k7 h10:f12:d10:b12 a11-b10 b12:k3 k7-j6 k3-j2 "
       "i3:k1 i9-h10 j6-i5 b8-c9 b10:d8 b4-c5 k1-j2 h10-i11 i5-j4 i11-h12 j4-i3 h12:a5 j2-l4 a5-c7 "
       "l4-i7 b2-a3 i3-j2 c7-e9 i7-e11 e9-a5 e11-l4 a5-e1 j2-i1 c5-b6"},
  };
  return positions;
}

}  // namespace velmora
