#pragma once

// The framework's class names, for headers that only hand its objects around by pointer or
// reference and so need not include their definitions.

class CBitmap;
class CBrush;
class CButton;
class CClientDC;
class CCmdTarget;
class CCmdUI;
class CComboBox;
class CControlBar;
class CDataExchange;
class CDC;
class CDialog;
class CDialogBar;
class CEdit;
class CFont;
class CFrameWnd;
class CGdiObject;
class CHeaderCtrl;
class CImage;
class CListBox;
class CListCtrl;
class CListView;
class CMenu;
class CPaintDC;
class CPalette;
class CPen;
class CProgressCtrl;
class CRgn;
class CSpinButtonCtrl;
class CStatic;
class CStatusBar;
class CStatusBarCtrl;
class CTabCtrl;
class CView;
class CWinApp;
class CWindowDC;
class CWnd;
