// The number of GDI objects the process holds. Windows answers GetGuiResources; Wine answers 0
// there but keeps its GDI handle table in the process's PEB (GdiSharedHandleTable), whose used
// entries are counted instead. Only differences between two counts are meaningful.
#pragma once

#include <windows.h>

int GdiObjectCount();
