#pragma once
// The catalogue of the statistics tables: titles, tabs, shapes and headings, row kinds,
// subject codes and the editability of cells.
#include "sheet/cell_editability.h"
#include "sheet/row_ids.h"
#include "sheet/sheet_grids.h"
#include "sheet/sheet_tabs.h"
#include "sheet/string_grid.h"
#include "sheet/subject_tables.h"
#include "sheet/table_headings.h"
#include "sheet/table_titles.h"
