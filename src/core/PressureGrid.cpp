#include "core/PressureGrid.h"

namespace nimbara {

void PressureGrid::ClearUsed() {
  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r) At(c, r) = 0;
  incomplete = false;
}

}  // namespace nimbara
