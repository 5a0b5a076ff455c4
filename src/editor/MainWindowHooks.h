#pragma once
// Hands the editor's main window to the layers below it (the start-up, the options and splash windows, the
// information windows), which reach it only through config/MainWindow.h. The program's entry point, and anything
// else that runs Main(), calls this first.
void installMainWindowHooks();
