#pragma once
// The workbook writer's public interface.

#include "Sheet.h"            // IWYU pragma: export
#include "SheetName.h"        // IWYU pragma: export
#include "WorkbookFile.h"     // IWYU pragma: export
#include "WorkbookStream.h"   // IWYU pragma: export
#include "WriteError.h"       // IWYU pragma: export
