#pragma once
// Everything src/tools adds to the frame: its commands, page tables and
// hooks. The program's start calls it on the application's registry before
// the main window is made.

class CToolRegistry;

void RegisterTools(CToolRegistry& registry);
