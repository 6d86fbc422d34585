#pragma once
#include <functional>

class QWidget;
class TDM1;

// Builds the program's main window once the data module exists.
using MainWindowFactory = std::function<QWidget *(TDM1 &)>;

// The program's entry: one copy per desktop, then the data module, then
// the main window, then the message loop.
int runTenvora(int &argc, char **argv, const MainWindowFactory &makeMainWindow);
