// SPDX-License-Identifier: MIT
// Whether the first row of an input file is a row of column headings: the
// file page ticks "First row contains column headings" for such a file
// when it is chosen, and the user can untick it.
#pragma once

#include <string>
#include <vector>

namespace Lodema {

// True when some column holds text in the first row and a number in every
// later data row that fills it (rows split into fields, as the preview
// shows them without headings). Comment lines ("*", ";" or "/" first) and
// empty fields say nothing; a first row that is a comment, or a file of one
// row, is no heading.
bool FirstRowLooksLikeHeadings(const std::vector<std::vector<std::string>>& rows);

}  // namespace Lodema
