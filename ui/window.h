// The one window procedure of the program and the window object it serves.
//
// Conventions for every window class built on Window:
// - the object owns its HWND and destroys it in its destructor;
// - messages reach the object through Dispatch() alone, which calls the
//   virtual OnXxx handlers below; a handler that does not handle a message
//   leaves it to DefaultProc();
// - windowless controls (GraphicControl) are painted and hit-tested by the
//   window that hosts them; mouse events reach the control under the cursor
//   before the window itself;
// - an exception leaving a handler is caught at the window procedure and
//   handed to the application's general error handler.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

namespace ui {

class GraphicControl;

enum class MouseButton { Left, Right, Middle };

// Keys and mouse buttons held during a mouse or key event.
struct ShiftState {
    bool shift = false, ctrl = false, alt = false;
    bool left = false, right = false, middle = false;

    static ShiftState FromMouse(WPARAM keys);   // MK_* flags of a mouse message
    static ShiftState FromKeyboard();           // the keyboard's state now
    bool operator==(const ShiftState&) const = default;
};

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    static Window* FromHandle(HWND hwnd);

    void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const;   // in the parent's client coordinates
    RECT ClientRect() const;
    void SetVisible(bool visible);
    bool Visible() const;
    void SetEnabled(bool enabled);
    bool Enabled() const;
    void SetText(const std::string& text);
    std::string Text() const;
    void Invalidate();
    void Update();

    // Windowless controls hosted by this window, in painting order.
    void AddGraphic(GraphicControl* control);
    void RemoveGraphic(GraphicControl* control);
    GraphicControl* GraphicAt(POINT client) const;
    const std::vector<GraphicControl*>& Graphics() const { return graphics_; }
    // Offers a dialog character to the windowless controls of this window
    // and of its child windows; true when one took it.
    bool DialogChar(char c);
    virtual HFONT GraphicsFont() const { return nullptr; }

    // Files dropped on this window from the shell (WM_DROPFILES), for a
    // component that serves any window; it releases the drop.
    std::function<void(HDROP)> onDropFiles;

protected:
    // Registers (once) and creates a window of our own class.
    void CreateOwnWindow(const char* caption, DWORD style, DWORD exStyle, HWND parent,
                         int x, int y, int w, int h, UINT classStyle = CS_DBLCLKS);
    // Creates a window of a system class (BUTTON, EDIT, SysListView32...) and
    // subclasses it so that its messages come through Dispatch() as well.
    void CreateSystemWindow(const char* cls, const char* caption, DWORD style, DWORD exStyle,
                            HWND parent, int x, int y, int w, int h, UINT_PTR id = 0);
    // Takes over an existing window's procedure (used for system controls).
    void Subclass(HWND hwnd);
    void DestroyHandle();

    virtual LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);
    virtual LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);

    // Handlers. Those answering bool answer true when they handled the message.
    virtual void OnPaint(HDC) {}
    virtual bool OnEraseBackground(HDC) { return false; }
    virtual void OnMouseDown(MouseButton, ShiftState, int /*x*/, int /*y*/) {}
    virtual void OnMouseLeave() {}
    virtual bool OnKeyDown(WORD /*key*/, ShiftState) { return false; }
    virtual bool OnChar(char&) { return false; }
    virtual bool OnCommand(WORD /*id*/, WORD /*code*/) { return false; }
    // A command or notification that a child sent to this window, reflected to
    // the child's own object.
    virtual bool OnReflectedCommand(WORD /*code*/) { return false; }
    virtual bool OnReflectedNotify(NMHDR*, LRESULT&) { return false; }
    virtual bool OnSysCommand(WPARAM) { return false; }
    virtual bool OnMouseActivate(LRESULT&) { return false; }
    virtual bool OnClose() { return false; }
    virtual bool OnQueryEndSession(LRESULT&) { return false; }
    virtual void OnSize(int /*width*/, int /*height*/) {}
    virtual bool OnReflectedDrawItem(DRAWITEMSTRUCT*) { return false; }
    // Every message that none of the handlers above covers.
    virtual bool OnOtherMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT GuardedDispatch(UINT msg, WPARAM wp, LPARAM lp);
    bool RouteMouse(UINT msg, WPARAM wp, LPARAM lp);

    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;
    std::vector<GraphicControl*> graphics_;
    GraphicControl* captured_ = nullptr;
    GraphicControl* hovered_ = nullptr;
};

}  // namespace ui
