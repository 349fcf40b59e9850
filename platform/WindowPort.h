#pragma once

// The window system as the framework sees it: the handful of services that the
// application loop, windows, views and canvas need, reshaped for C++. The
// framework in ui/ and images/ calls only this interface; platform/qt implements
// it on Qt 6 Widgets. No Qt type appears here.
//
// Coordinates are pixels. Window rectangles are in screen coordinates; client
// and drawing coordinates start at the top left of a window's client area.
// Rectangles follow the framework's rule: right and bottom lie just outside.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace WindowPort {

// A top-level window; 0 is no window. A window's handle is also the identifier
// of its idle timer.
using WindowHandle = uint32_t;
// A native control inside a window; 0 is no control.
using ControlHandle = uint32_t;
// A platform font made from a font request; 0 is no font.
using FontHandle = uint32_t;

struct SPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct SRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
};

struct SSize {
    int32_t width = 0;
    int32_t height = 0;
};

// 8 bits per component, as the platform draws.
struct SColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const SColour&) const = default;
};

// ---------------------------------------------------------------------------
// Start and display facts

// Makes the platform's application object; call once, before anything below.
// `argc`/`argv` are handed to the platform (it may take its own options).
void Initialise(int& argc, char** argv);
// Releases every window, control, font and timer left, then the platform.
// DestroyWindow, DestroyControl, DeleteFont and KillTimer do nothing after it, so
// objects that outlive the platform may still let go of their handles.
void Shutdown();

// The kinds of top-level window the framework creates; they decide the frame.
enum class EWindowKind { kDocument, kDialog, kSplash };

// The decoration a window is created with.
struct SWindowStyle {
    EWindowKind kind = EWindowKind::kDocument;
    bool caption = true;
    bool systemMenu = true;  // the close box
    bool sizingFrame = false;
    bool minimiseBox = false;
    bool maximiseBox = false;
    bool contextHelp = false;
    bool modalFrame = false;
};

SSize GetScreenSize();
int32_t GetScreenDepth();
// The distance between a window's outer rectangle and its client area on each
// side, for a window of that style (the caption is part of `top`). The framework
// converts outer rectangles to client rectangles with these, so they are the
// same numbers the port uses when it places a window.
struct SFrameMetrics {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};
SFrameMetrics GetFrameMetrics(const SWindowStyle& style);
// Horizontal and vertical dialog base units of the platform's dialog font.
SSize GetDialogBaseUnits();
uint32_t GetDoubleClickTime(); // milliseconds
int32_t GetVerticalScrollBarWidth();

enum class ESystemColour { kFace3D, kButtonShadow, kButtonText, kWindow, kWindowText, kHighlight, kGrayText };
SColour GetSystemColour(ESystemColour which);

// Milliseconds of a monotonic clock.
uint32_t GetTickCount();
void Sleep(uint32_t milliseconds);

// ---------------------------------------------------------------------------
// Top-level windows

// Created hidden, at `outer` (screen coordinates), with a backing image the size
// of its client area. `owner` keeps a dialog above its owner (0 for none).
WindowHandle CreateWindow(const SWindowStyle& style, const std::string& title, const SRect& outer,
                          WindowHandle owner);
// Calls the window procedure with kDestroy at once, then frees the window, its
// controls and its timer.
void DestroyWindow(WindowHandle window);
bool IsWindow(WindowHandle window);

void SetTitle(WindowHandle window, const std::string& title);
std::string GetTitle(WindowHandle window);
// Moves and sizes; the backing image follows the client size and the window is
// invalidated. A kSize message follows through the queue.
void SetOuterRect(WindowHandle window, const SRect& outer);
SRect GetOuterRect(WindowHandle window);
SSize GetClientSize(WindowHandle window);
void SetSizeLimits(WindowHandle window, SSize minimumOuter, SSize maximumOuter);
void Show(WindowHandle window);
void Hide(WindowHandle window);
bool IsVisible(WindowHandle window);
bool IsMinimised(WindowHandle window);
void Enable(WindowHandle window, bool enabled);
bool IsEnabled(WindowHandle window);
void Activate(WindowHandle window);
WindowHandle GetActiveWindow();
void BringToTop(WindowHandle window);
void SetStayOnTop(WindowHandle window, bool onTop);
// Marks part of the client area for repainting (the whole of it for an empty
// rectangle); a kPaint message with the united area follows through the queue.
void Invalidate(WindowHandle window, const SRect& area = {});
// Document windows take dropped files and folders: a kDropFiles message each drop.
void AcceptDrops(WindowHandle window, bool accept);

// ---------------------------------------------------------------------------
// Mouse, keyboard and cursor

void SetCapture(WindowHandle window);
void ReleaseCapture();
WindowHandle GetCapture();
SPoint GetCursorPosition(); // screen coordinates
// The framework window whose client area holds the screen point, or 0.
WindowHandle WindowFromPoint(SPoint screen);
SPoint ClientToScreen(WindowHandle window, SPoint client);
SPoint ScreenToClient(WindowHandle window, SPoint screen);

enum class EModifierKey { kShift, kControl, kAlt };
// The live state of the key, at the time of the call.
bool IsKeyDown(EModifierKey key);

// The busy cursor animates by itself; the framework's frame counter only says
// that time passes.
enum class ECursor { kArrow, kBusy };
void SetCursor(ECursor cursor);

// ---------------------------------------------------------------------------
// Messages

enum class EMessage {
    kNone,
    kQuit,            // posted by PostQuitMessage; ends nothing by itself
    kTimer,           // `window` 0 for an application timer; `timer` its identifier
    kPaint,           // `area`: the part of the client area to draw, in client coordinates
    kSize,            // the client area changed size (`size`)
    kActivate,        // the window became the active one
    kDeactivate,      // the window stopped being the active one
    kMouseDown,       // left button; `point` in client coordinates, `time`, `keyFlags`
    kMouseUp,         // left button
    kMouseMove,
    kCaptureChanged,  // the mouse capture went from `window` to `otherWindow`
    kKeyDown,         // `virtualKey`, `repeat`, `keyFlags`, `character`
    kKeyUp,
    kClose,           // the user (or the window manager) asks to close the window
    kDestroy,         // sent at once by DestroyWindow
    kCommand,         // a push button was clicked (`control`), or a menu item chosen (`command`)
    kScroll,          // a scroll bar moved: `control`, `scrollCode`, `scrollPosition`
    kDropFiles,       // `paths`, in the order given
    kQueryEndSession, // sent at once: the desktop session asks to end; answer 1 yes, 0 no
    kInitMenu,        // a menu of the window's menu bar is about to open
    kHelp,            // context help asked for (F1, or the help button then a click): `point` in client coordinates
};

// Key flags of mouse and key messages.
constexpr uint32_t kKeyFlagShift = 0x0004;
constexpr uint32_t kKeyFlagControl = 0x0008;
// Mouse messages: the left button is held.
constexpr uint32_t kKeyFlagLeftButton = 0x0001;

// Virtual keys follow the original platform's numbering (VK_RETURN 13, VK_ESCAPE
// 27, 'A'..'Z' 65..90, '0'..'9' 48..57, VK_NUMPAD0 96, VK_F1 112, ...), so the
// framework's key table is the platform-neutral one. Keypad Enter is 13 with
// `extended` set.
enum class EScrollCode { kLineUp, kLineDown, kPageUp, kPageDown, kThumbPosition, kThumbTrack, kTop, kBottom, kEndScroll };

struct SMessage {
    EMessage kind = EMessage::kNone;
    WindowHandle window = 0;
    WindowHandle otherWindow = 0;
    uint32_t time = 0; // GetTickCount when the event happened
    uint32_t timer = 0;
    SRect area;
    SSize size;
    SPoint point;
    uint32_t keyFlags = 0;
    uint32_t virtualKey = 0;
    char character = 0; // the key's character without modifiers, upper case for letters; 0 for none
    bool repeat = false;
    bool extended = false;
    ControlHandle control = 0;
    uint32_t command = 0;
    EScrollCode scrollCode = EScrollCode::kEndScroll;
    int32_t scrollPosition = 0;
    std::vector<std::string> paths;
};

// The framework's one window procedure; its answer matters for
// kQueryEndSession only.
using WindowProcedure = std::function<int32_t(const SMessage&)>;
void SetWindowProcedure(WindowProcedure procedure);

// Waits until a message is queued and removes it; false for kQuit (the message
// is still handed out).
bool GetMessage(SMessage& message);
enum class ERemove { kNo, kYes };
// Processes pending platform events without waiting; true when a message is
// queued, copied to `message` (and removed with kYes).
bool PeekMessage(SMessage& message, ERemove remove);
// Hands the message to the window procedure.
int32_t DispatchMessage(const SMessage& message);
void PostQuitMessage();
void PostMessage(const SMessage& message);

// A repeating timer: for `window` its identifier is the window's handle; for 0
// (the application timer) the port picks a non-zero identifier. Returns it.
uint32_t SetTimer(WindowHandle window, uint32_t milliseconds);
void KillTimer(WindowHandle window, uint32_t timer);

// ---------------------------------------------------------------------------
// Drawing on a window's backing image. Drawing may happen at any time; what is
// drawn reaches the screen at the platform's next repaint, which copies the
// backing image and draws nothing of its own.

enum class EMix { kCopy, kMerge, kInvert };

struct SFontRequest {
    std::string face;
    int32_t cellHeight = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};
struct STextMetrics {
    int32_t height = 0; // the line height
    int32_t ascent = 0;
    int32_t descent = 0;
    int32_t averageWidth = 0;
};
// A face that does not exist maps to the system's sans-serif face at the same
// cell height. Returns 0 when no font can be made.
FontHandle CreateFont(const SFontRequest& request);
void DeleteFont(FontHandle font);
STextMetrics GetTextMetrics(FontHandle font);
SSize GetTextExtent(FontHandle font, const std::string& text);
// The font the platform uses for dialogs and controls.
FontHandle GetSystemFont();

// Everything below clips to `SetClipRect` (the whole client area after
// ResetClip) and to the backing image.
void SetClipRect(WindowHandle window, const SRect& clip);
void ResetClip(WindowHandle window);
SRect GetClipBox(WindowHandle window);
// Pixels left <= x < right, top <= y < bottom.
void FillRect(WindowHandle window, const SRect& rect, SColour colour, EMix mix);
// One-pixel lines through the points; the last point is left out.
void Polyline(WindowHandle window, const std::vector<SPoint>& points, SColour colour, EMix mix);
// `top` is the top of the text cell; `background` is filled behind the text when set.
void DrawText(WindowHandle window, int32_t x, int32_t top, const std::string& text, FontHandle font,
              SColour colour, const SColour* background);
// Word-wrapped inside `rect`, cut at its edges.
void DrawWrappedText(WindowHandle window, const SRect& rect, const std::string& text, FontHandle font,
                     SColour colour);
// `pixels` are 0xFFRRGGBB, rows top-down, `width` pixels to a row.
void CopyPixels(WindowHandle window, int32_t x, int32_t y, const uint32_t* pixels, int32_t width, int32_t height,
                const SRect& source);
enum class EStandardIcon { kStop, kInformation, kExclamation };
void DrawStandardIcon(WindowHandle window, const SRect& rect, EStandardIcon icon);
// Reads a pixel of the backing image, for tests and for colour read-back.
SColour GetPixel(WindowHandle window, int32_t x, int32_t y);

// How often the platform repainted the window from its backing image, and how
// many drawing calls above went into that image. A repaint of an unchanged
// window adds a repaint and no drawing call (tests and benchmarks check this).
struct SPaintCounts {
    uint64_t repaints = 0;
    uint64_t drawingCalls = 0;
};
SPaintCounts GetPaintCounts(WindowHandle window);
// Makes the platform repaint the whole visible window at once, as uncovering it
// does: from the backing image, with no message to the framework.
void RepaintNow(WindowHandle window);

// ---------------------------------------------------------------------------
// Native controls: real child controls at a rectangle of the client area.

enum class EControlKind { kPushButton, kVerticalScrollBar, kProgressBar };
ControlHandle CreateControl(WindowHandle window, EControlKind kind, const SRect& rect, const std::string& text);
void DestroyControl(ControlHandle control);
void SetControlRect(ControlHandle control, const SRect& rect);
void SetControlText(ControlHandle control, const std::string& text);
void EnableControl(ControlHandle control, bool enabled);
void FocusControl(ControlHandle control);
// Push buttons: the default style, and the pressed look while a key presses it.
void SetDefaultButton(ControlHandle control, bool isDefault);
void SetButtonPressedLook(ControlHandle control, bool pressed);
// Scroll bars and progress bars.
void SetControlRange(ControlHandle control, int32_t minimum, int32_t maximum);
void SetControlValue(ControlHandle control, int32_t value);
int32_t GetControlValue(ControlHandle control);

// ---------------------------------------------------------------------------
// The desktop

// Opens the file with the desktop's default handler; false when that fails.
bool OpenWithDesktop(const std::string& path);

// The desktop session asks to end: kQueryEndSession goes at once to every window,
// in the order they were made, until one answers 0. True when none refused. The
// port calls it when the session manager asks; tests call it to play the session.
bool QueryEndSession();

// ---------------------------------------------------------------------------
// File dialogs and menus

// One line of a file dialog's filter: the text shown ("Tandrel Mod (*.tdm)")
// and its patterns, separated by ";" ("*.AIF;*.WAV"). Patterns match without
// regard to letter case, as file types do.
struct SFileFilter {
    std::string description;
    std::string pattern;
    bool operator==(const SFileFilter&) const = default;
};

enum class EFileDialogKind { kSave, kOpen };

struct SFileDialogRequest {
    EFileDialogKind kind = EFileDialogKind::kSave;
    WindowHandle owner = 0; // the dialog stays above it; 0 for none
    std::string title;
    std::string proposedName;      // the name field's text at the start
    std::vector<SFileFilter> filters;
    int32_t selectedFilter = 0;    // zero-based
    std::string defaultSuffix;     // without its dot; added to a name typed without one
    bool confirmOverwrite = false; // save: ask before replacing an existing file
    bool fileMustExist = false;    // open: only existing files can be chosen
};

struct SFileDialogAnswer {
    bool accepted = false;
    std::string path;           // absolute, with the default suffix the dialog added
    int32_t selectedFilter = 0; // zero-based
};

// Runs the platform's modal file dialog (the port's own, the same on every desktop).
SFileDialogAnswer RunFileDialog(const SFileDialogRequest& request);

// What a file dialog shows, read back from the platform dialog once it is set
// up: what a person would see before answering.
struct SFileDialogView {
    EFileDialogKind kind = EFileDialogKind::kSave;
    std::string title;
    std::string directory;
    std::string nameField;
    std::vector<std::string> filters; // the platform's filter lines as shown
    int32_t selectedFilter = 0;
    std::string defaultSuffix;
    bool confirmOverwrite = false;
    bool fileMustExist = false;
};
// The answerer's reply: `typed` is what goes into the name field, a file's name
// or path, relative to the dialog's folder or absolute; the dialog turns it into
// its answer by its own rules (default suffix included). A person cannot answer
// with a folder (the dialog opens it instead), so neither should an answerer.
// `filter` is zero-based.
struct SFileDialogReply {
    bool accept = false;
    std::string typed;
    int32_t filter = 0;
};
using FileDialogAnswerer = std::function<SFileDialogReply(const SFileDialogView&)>;
// While an answerer is set (tests), file dialogs are set up as usual and then
// answered by it instead of by a person; an empty function restores the dialogs.
void SetFileDialogAnswerer(FileDialogAnswerer answerer);

// Menus: drop-down menus, menu bars that hold them, and pop-ups. 0 is no menu.
// Items are addressed by their zero-based position; `id` is what a choice of the
// item reports.
using MenuHandle = uint32_t;

struct SMenuItemState {
    std::string text; // "Open\tCtrl+O": the part after a tab is shown as the shortcut
    bool separator = false;
    bool enabled = true;
    bool checked = false;
    uint32_t id = 0;
};

// Both return 0 when the platform cannot make the menu.
MenuHandle CreatePopupMenu();
MenuHandle CreateMenuBar();
// Removes the menu from the bars that hold it; a bar is detached from its windows.
void DestroyMenu(MenuHandle menu);
// false when the menu does not exist or the position is past the end (the item
// count appends).
bool InsertMenuItem(MenuHandle menu, int32_t position, const SMenuItemState& item);
bool SetMenuItem(MenuHandle menu, int32_t position, const SMenuItemState& item);
// false for a position that holds no item.
bool GetMenuItem(MenuHandle menu, int32_t position, SMenuItemState& item);
void RemoveMenuItem(MenuHandle menu, int32_t position);
int32_t GetMenuItemCount(MenuHandle menu);
// Appends a drop-down menu to a bar under its title.
bool AppendMenuToBar(MenuHandle bar, MenuHandle menu, const std::string& title);
// Shows the bar at the top of a document window (0 removes it). Choosing an item
// there posts kCommand with the item's id in `command`; before one of the bar's
// menus opens the window procedure gets kInitMenu at once, so the framework
// sets the items' states before they are shown.
void SetWindowMenuBar(WindowHandle window, MenuHandle bar);
MenuHandle GetWindowMenuBar(WindowHandle window);
// Shows the menu at a screen point for the window (kInitMenu first, as above)
// and waits for the choice: the chosen item's id, 0 when nothing was chosen.
uint32_t TrackPopupMenu(MenuHandle menu, SPoint screen, WindowHandle window);

// What a person sees of a window's client area, its native controls and menu
// bar included, as rows of 0xFFRRGGBB from the top; empty for no window. For
// checks of a whole dialog, where GetPixel sees only the backing image.
std::vector<uint32_t> GrabClientArea(WindowHandle window, SSize& size);
// A native control's rectangle in its window's client area; empty for none.
SRect GetControlRect(ControlHandle control);

} // namespace WindowPort
