// The program's compiled-in pictures (icon, key pictures) live in the static
// GUI library, whose resource table the linker only keeps when something
// registers it: every user of a ":/" picture calls InitResources() first.
#pragma once

void InitResources();
