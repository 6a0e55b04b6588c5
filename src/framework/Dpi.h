// Makes the process aware of monitor scaling, so windows and monitor rectangles are in physical
// pixels: per-monitor where the system offers it, system-wide otherwise. The newer functions are
// looked up at run time; on systems without any, nothing changes.
#pragma once

void DeclareDpiAwareness();
