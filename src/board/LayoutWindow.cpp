#include "board/LayoutWindow.h"

// Defined here so that the interface's virtual table lives in one object file.
LayoutWindow::~LayoutWindow() = default;
