#pragma once

#include "TForm1.h"

class QApplication;

// What the program block does before the main window exists: the window style, the locale of
// amounts, and the general error report for errors no handler caught.
namespace ProgramBaslangici {
void uygula(QApplication &app);
}
