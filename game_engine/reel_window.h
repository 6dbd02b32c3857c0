#pragma once
// The strip positions that a reel's three rows show for a stop on the ring
// 0..last: the stop in the middle row, its neighbours above and below.

namespace tamberlo {

inline int TopPosition(int stop, int last) { return stop == 0 ? last : stop - 1; }
// A stop of 0 takes position 1 below it even on a reel of one position.
inline int BottomPosition(int stop, int last) { return stop != 0 && stop == last ? 0 : stop + 1; }

}  // namespace tamberlo
