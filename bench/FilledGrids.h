#pragma once

#include <string>
#include <string_view>

// The example project with every grid that a read grows (the rating table,
// the five standard designs grids, the tapered inlet results, the drop inlet
// box and pipe designs and the General Culvert Design results) filled by
// repeating its own rows down to `rows` rows, or to the grid's row cap where
// that is lower. Every other record stays as the example has it.
std::string WithGridsFilledTo(std::string_view example, int rows);
