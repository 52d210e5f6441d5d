#pragma once

// Pictures of the program, drawn by tools/make_pictures.sh.
#define IDI_TAVREL 1
#define IDB_BANNER 100
#define IDB_DEFAULT_PAGE 101
// The same two drawn for 150%.
#define IDB_BANNER_150 102
#define IDB_DEFAULT_PAGE_150 103
// The page icons, 201 to 213, are numbered by the pages (PageIcon).
