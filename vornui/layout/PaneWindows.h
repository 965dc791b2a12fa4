#pragma once

// The few window operations the pane tree needs: a control's size and class, moving and
// redrawing it, and a tab control's frame. Kept in one place so the tree logic reads as
// plain arithmetic.

#include "vornui/platform/CRect.h"
#include "vornui/platform/Window.h"

class CWnd;

HWND HandleOf(const CWnd* pWnd);
CRect WindowRectOf(HWND control);
bool IsComboBoxClass(HWND control);
void MoveControl(HWND control, const CRect& rc);
void RedrawControl(HWND control, bool erase);
// The tab control's window size around an empty display area.
CSize TabFrameOverhead(HWND tab);
// The display area inside a tab control placed at `rc`.
CRect TabDisplayArea(HWND tab, CRect rc);
