#pragma once

// Ids of the bitmaps the library's list controls draw with.

// Two 16 x 16 boxes on red (the transparent colour): a plus, then a minus.
#define IDB_TREE_LIST_BOXES 13304
#define IDB_SORT_DOWN 13306   // 9 x 5 arrow pointing down: a column sorted descending
#define IDB_SORT_UP 13307     // 9 x 5 arrow pointing up: a column sorted ascending
#define IDB_CHECK_BOXES 13308 // two 16 x 16 check boxes, empty then ticked
