// Window management of the Windows stand-in: window classes, windows,
// per-thread message queues, painting, metrics and keyboard state.
//
// - A thread that creates a window owns it and gets a message queue; the
//   window procedure runs only on that thread (messages from other threads
//   are posted, never sent across).
// - GetMessageA blocks; it returns posted messages first, then WM_QUIT (0),
//   then WM_PAINT for a window of the thread whose update region is not empty.
// - InvalidateRect from any thread adds to the update region (kept as its
//   bounding rectangle) and wakes the owning thread.
// - The display posts key messages, close requests (WM_CLOSE) and exposures
//   (InvalidateRect) to the window that has the focus.
#pragma once

#include <cstdint>

#include <lumenbox/win/gdi.h>
#include <lumenbox/win/types.h>

namespace lumenbox::win {

// ---- Messages ------------------------------------------------------------
inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_CREATE = 0x0001;
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_MOVE = 0x0003;
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_ACTIVATE = 0x0006;
inline constexpr UINT WM_SETFOCUS = 0x0007;
inline constexpr UINT WM_KILLFOCUS = 0x0008;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_QUIT = 0x0012;
inline constexpr UINT WM_ERASEBKGND = 0x0014;
inline constexpr UINT WM_SHOWWINDOW = 0x0018;
inline constexpr UINT WM_NCDESTROY = 0x0082;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_CHAR = 0x0102;
inline constexpr UINT WM_SYSKEYDOWN = 0x0104;
inline constexpr UINT WM_SYSKEYUP = 0x0105;
inline constexpr UINT WM_SYSCHAR = 0x0106;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
inline constexpr UINT WM_MBUTTONDOWN = 0x0207;
inline constexpr UINT WM_MBUTTONUP = 0x0208;
inline constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
inline constexpr UINT WM_MOUSEWHEEL = 0x020A;
inline constexpr UINT WM_MOUSELEAVE = 0x02A3;
inline constexpr UINT WM_USER = 0x0400;

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

// ---- Classes -------------------------------------------------------------
using WNDPROC = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

inline constexpr UINT CS_VREDRAW = 0x0001;
inline constexpr UINT CS_HREDRAW = 0x0002;
inline constexpr UINT CS_DBLCLKS = 0x0008;
inline constexpr UINT CS_OWNDC = 0x0020;
inline constexpr UINT CS_BYTEALIGNCLIENT = 0x1000;

inline constexpr int COLOR_MENU = 4;
inline constexpr int COLOR_WINDOW = 5;

struct WNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;  // a brush, or a system colour index + 1
    const char* lpszMenuName;
    const char* lpszClassName;
};

// Class names are process-wide and compared without case. 0 for a null record,
// a null procedure or name, or a name already registered.
ATOM RegisterClassA(const WNDCLASSA* windowClass);
// FALSE for an unknown name, or while a window of the class exists.
BOOL UnregisterClassA(const char* className, HINSTANCE instance);

// ---- Windows -------------------------------------------------------------
inline constexpr DWORD WS_OVERLAPPED = 0x00000000;
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_THICKFRAME = 0x00040000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
inline constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000);

struct CREATESTRUCTA {
    void* lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    const char* lpszName;
    const char* lpszClass;
    DWORD dwExStyle;
};

// Creates a window of a registered class, owned by the calling thread. The
// outer rectangle is (x, y, width, height); a captioned window's client area
// is that less the frame (SM_CXFIXEDFRAME each side, SM_CYFIXEDFRAME each side
// plus SM_CYCAPTION), a WS_POPUP's is all of it. CW_USEDEFAULT lets the system
// choose position and size. WM_CREATE (lParam: CREATESTRUCTA*) is handled
// before the call returns; a procedure result of -1 destroys the window and
// gives NULL. Fails (NULL) for an unknown class or when no display can be had.
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* parameter);
// Only the owning thread may destroy a window: WM_DESTROY is sent, then the
// window, its own DC and its surface are gone. FALSE for a bad handle or
// another thread.
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
BOOL IsWindowVisible(HWND window);
// Previous visibility (nonzero if it was visible); 0 for a bad handle too.
BOOL ShowWindow(HWND window, int command);
BOOL SetForegroundWindow(HWND window);
HWND GetForegroundWindow();
BOOL GetClientRect(HWND window, RECT* rect);
BOOL GetWindowRect(HWND window, RECT* rect);
// Copies the caption (at most size - 1 characters and a terminating zero);
// returns the characters copied.
int GetWindowTextA(HWND window, char* text, int size);
HWND GetDesktopWindow();
// The thread that created the window; 0 for a bad handle.
DWORD GetWindowThreadProcessId(HWND window, DWORD* processId);

// ---- Messages and queues -------------------------------------------------
// 1 for a message, 0 for WM_QUIT, -1 for a bad window filter or output.
BOOL GetMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax);
inline constexpr UINT PM_NOREMOVE = 0;
inline constexpr UINT PM_REMOVE = 1;
BOOL PeekMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT remove);
// Queues the message for the window's thread and returns at once. FALSE for a
// bad window. A NULL window posts to the calling thread's queue.
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Calls the window procedure when the window belongs to the calling thread;
// 0 and nothing done otherwise.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// WM_KEYDOWN gives WM_CHAR, WM_SYSKEYDOWN gives WM_SYSCHAR, with a US layout
// and the key state of the message; posted to the same window. TRUE when a
// character was posted.
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessageA(const MSG* message);
void PostQuitMessage(int exitCode);
// WM_CLOSE destroys the window; WM_ERASEBKGND fills the update area with the
// class background and returns 1; WM_PAINT validates; others return 0.
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// ---- Painting ------------------------------------------------------------
struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

// Adds the rectangle (NULL: the whole client area) to the update region;
// `erase` marks the background for erasing. Any thread. FALSE for a bad window.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL ValidateRect(HWND window, const RECT* rect);
// The update region's bounding rectangle in client coordinates (all zero when
// empty); nonzero when not empty.
BOOL GetUpdateRect(HWND window, RECT* rect, BOOL erase);
// Sends WM_ERASEBKGND when an erase is pending, fills `paint` and returns the
// window's DC; the update region is validated.
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
// The window's own DC, which lives as long as the window; NULL or the desktop
// window give a screen DC, released with ReleaseDC.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);

// ---- Metrics, resources, keyboard ----------------------------------------
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXFIXEDFRAME = 7;
inline constexpr int SM_CYFIXEDFRAME = 8;
// SM_CXFIXEDFRAME 3, SM_CYFIXEDFRAME 3, SM_CYCAPTION 19, the screen size from
// the display; 0 for any other index.
int GetSystemMetrics(int index);

inline const char* const IDC_ARROW = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(32512));
inline const char* const IDI_APPLICATION = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(32512));
// The program carries no resources: NULL for any named icon of a module; the
// stock icon for IDI_APPLICATION with a NULL module.
HICON LoadIconA(HINSTANCE instance, const char* name);
// The stock arrow for IDC_ARROW with a NULL module; NULL otherwise.
HCURSOR LoadCursorA(HINSTANCE instance, const char* name);

// Virtual-key codes.
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_CLEAR = 0x0C;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;
inline constexpr int VK_PAUSE = 0x13;
inline constexpr int VK_CAPITAL = 0x14;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_PRIOR = 0x21;
inline constexpr int VK_NEXT = 0x22;
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_LWIN = 0x5B;
inline constexpr int VK_RWIN = 0x5C;
inline constexpr int VK_APPS = 0x5D;
inline constexpr int VK_NUMPAD0 = 0x60;
inline constexpr int VK_NUMPAD9 = 0x69;
inline constexpr int VK_MULTIPLY = 0x6A;
inline constexpr int VK_ADD = 0x6B;
inline constexpr int VK_SEPARATOR = 0x6C;
inline constexpr int VK_SUBTRACT = 0x6D;
inline constexpr int VK_DECIMAL = 0x6E;
inline constexpr int VK_DIVIDE = 0x6F;
inline constexpr int VK_F1 = 0x70;
inline constexpr int VK_F4 = 0x73;
inline constexpr int VK_F10 = 0x79;
inline constexpr int VK_F11 = 0x7A;
inline constexpr int VK_F12 = 0x7B;
inline constexpr int VK_NUMLOCK = 0x90;
inline constexpr int VK_SCROLL = 0x91;
inline constexpr int VK_LSHIFT = 0xA0;
inline constexpr int VK_RSHIFT = 0xA1;
inline constexpr int VK_LCONTROL = 0xA2;
inline constexpr int VK_RCONTROL = 0xA3;
inline constexpr int VK_LMENU = 0xA4;
inline constexpr int VK_RMENU = 0xA5;
inline constexpr int VK_OEM_1 = 0xBA;       // ;:
inline constexpr int VK_OEM_PLUS = 0xBB;    // =+
inline constexpr int VK_OEM_COMMA = 0xBC;   // ,<
inline constexpr int VK_OEM_MINUS = 0xBD;   // -_
inline constexpr int VK_OEM_PERIOD = 0xBE;  // .>
inline constexpr int VK_OEM_2 = 0xBF;       // /?
inline constexpr int VK_OEM_3 = 0xC0;       // `~
inline constexpr int VK_OEM_4 = 0xDB;       // [{
inline constexpr int VK_OEM_5 = 0xDC;       // \|
inline constexpr int VK_OEM_6 = 0xDD;       // ]}
inline constexpr int VK_OEM_7 = 0xDE;       // '"

// Bit 15 set (negative) while the key is down, bit 0 the toggle (Caps Lock,
// Num Lock). Synchronous with the calling thread's queue: the state as of the
// last key message it retrieved, or the display's state if it has retrieved none.
std::int16_t GetKeyState(int virtualKey);

// ---- Mouse -----------------------------------------------------------------
// Mouse messages go to the window under the pointer, or to the window holding
// the capture wherever the pointer is. lParam packs the client position as two
// signed 16-bit halves (x low); WM_MOUSEWHEEL's is the screen position
// instead. wParam holds the MK_ flags after the event (WM_MOUSEWHEEL: in its
// low word, the signed delta in its high word). A second press of a button
// within GetDoubleClickTime() and inside a SM_CXDOUBLECLK x SM_CYDOUBLECLK box
// around the first, on a window whose class has CS_DBLCLKS, arrives as
// WM_xBUTTONDBLCLK instead of the press; the press after it is single again.
inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;
inline constexpr WPARAM MK_MBUTTON = 0x0010;
inline constexpr int WHEEL_DELTA = 120;
inline constexpr int SM_CXDOUBLECLK = 36;
inline constexpr int SM_CYDOUBLECLK = 37;

inline constexpr int GET_X_LPARAM(LPARAM lParam) { return static_cast<std::int16_t>(lParam & 0xFFFF); }
inline constexpr int GET_Y_LPARAM(LPARAM lParam) { return static_cast<std::int16_t>((lParam >> 16) & 0xFFFF); }
inline constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM wParam) { return static_cast<std::int16_t>((wParam >> 16) & 0xFFFF); }
inline constexpr WPARAM GET_KEYSTATE_WPARAM(WPARAM wParam) { return wParam & 0xFFFF; }

// 500 milliseconds, Windows' default.
UINT GetDoubleClickTime();
// Mouse input goes to the window, wherever the pointer is, until released;
// the previous capture window of the calling thread, or NULL. NULL and nothing
// done for a bad window or a window of another thread.
HWND SetCapture(HWND window);
// Ends the calling thread's capture; TRUE, also when there was none.
BOOL ReleaseCapture();
// The calling thread's capture window, or NULL.
HWND GetCapture();

inline constexpr DWORD TME_LEAVE = 0x00000002;
inline constexpr DWORD TME_CANCEL = 0x80000000;
struct TRACKMOUSEEVENT {
    DWORD cbSize;
    DWORD dwFlags;
    HWND hwndTrack;
    DWORD dwHoverTime;
};
// TME_LEAVE: WM_MOUSELEAVE is posted once when the pointer leaves the
// window's client area (at once if it is not over it); TME_CANCEL with it
// cancels. FALSE for a null record, a wrong size or a bad window.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);
// Between screen and client coordinates of the window; FALSE for a bad
// window or a null point.
BOOL ScreenToClient(HWND window, POINT* point);
BOOL ClientToScreen(HWND window, POINT* point);

// ---- The stand-in's own extension: presentation hooks ---------------------
// Not a Windows call. Windows offers no way to learn when the screen has shown
// a window's client area; the stand-in owns the display, so it tells the
// system directly (a recorder keeps what the user saw).
struct LBPRESENTATION {
    HWND hwnd;
    int cx;                   // client width and height
    int cy;
    const DWORD* pixels;      // cx * cy values 0x00RRGGBB, rows top-down; valid during the call only
    std::int64_t shownAtNs;   // when it was shown, on the steady clock, in nanoseconds
};
using LBPRESENTPROC = void (*)(const LBPRESENTATION* frame, void* context);
// From now on the display calls `hook` right after it shows a frame of the
// window, on its presenting thread. The hook copies what it keeps, returns
// quickly, and calls no user or display function. A NULL hook removes it;
// when this returns, a removed hook is no longer running. One hook per
// window: a second replaces the first. FALSE for a bad window (removal
// always succeeds), or without a display.
BOOL LbSetPresentationHook(HWND window, LBPRESENTPROC hook, void* context);

}  // namespace lumenbox::win
