#pragma once

// Pictures of the program, drawn by tools/make_pictures.sh.
#define IDI_TAVREL 1
#define IDB_BANNER 100
#define IDB_DEFAULT_PAGE 101
// Page icons: IDI_PAGE_FIRST + page index - 1, for pages 1 to 13.
#define IDI_PAGE_FIRST 201
