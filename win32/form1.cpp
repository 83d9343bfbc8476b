#include "form1.h"

#include "accessibleobject.h"
#include "commandbutton.h"
#include "fonts.h"
#include "geometry.h"
#include "runtimeerror.h"
#include "tabcycle.h"
#include "text.h"

#include <windowsx.h>

namespace {

constexpr DWORD windowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

std::pair<const wchar_t *, DWORD> windowClassOf(const form::ControlSpec &spec)
{
    const form::KindTraits &traits = form::traits(spec.kind);
    const DWORD tabStop = traits.takesFocus ? WS_TABSTOP : 0;
    switch (spec.kind) {
    case form::Kind::PictureBox:
        return {PictureBox::className, WS_CLIPCHILDREN | tabStop};
    case form::Kind::TextBox:
        return {L"EDIT", (traits.centredText ? ES_CENTER : ES_LEFT) | ES_AUTOHSCROLL | tabStop};
    case form::Kind::CommandButton:
        return {L"BUTTON",
                (form::isSystemColour(spec.colour) ? BS_PUSHBUTTON : BS_OWNERDRAW) | tabStop};
    case form::Kind::Label:
        return {L"STATIC", (traits.centredText ? SS_CENTER : SS_LEFT) | SS_NOPREFIX | tabStop};
    }
    return {};
}

// A class registered once serves every window made later in the process.
void registerClass(const WNDCLASSEXW &windowClass)
{
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        form::throwWindowClassNotMade();
}

} // namespace

Form1::Form1(HINSTANCE instance, int (*monitorDpi)(HWND))
    : m_dpi(systemDpi()), m_background(form::formName), m_backgroundColour(form::formColour)
{
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = windowProc;
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    form.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0));
    form.lpszClassName = className;
    registerClass(form);
    registerClass(PictureBox::windowClass(instance));

    const SIZE frame = frameSize(windowStyle, m_dpi);
    if (!CreateWindowExW(0, className, wide(form::formCaption).c_str(), windowStyle, CW_USEDEFAULT,
                         CW_USEDEFAULT, frame.cx, frame.cy, nullptr, nullptr, instance, this))
        form::throwWindowNotMade(form::formName);
    // The monitor the window opens on may have a resolution of its own: the window takes it
    // before anything is drawn.
    if (const int dpi = monitorDpi(m_hwnd); dpi != m_dpi) {
        m_dpi = dpi;
        const SIZE fitted = frameSize(windowStyle, m_dpi);
        SetWindowPos(m_hwnd, nullptr, 0, 0, fitted.cx, fitted.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    try {
        createControls();
    } catch (...) {
        // Gone without a word: the window was never shown, and the caller reports the error.
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
        throw;
    }
}

Form1::~Form1()
{
    if (IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);
}

void Form1::createControls()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    m_controls.reserve(form::controls.size());
    for (const form::ControlSpec &spec : form::controls) {
        const form::KindTraits &traits = form::traits(spec.kind);
        const form::Placement placed = form::placement(spec, m_dpi);
        const auto [className, style] = windowClassOf(spec);
        const HWND parent = spec.container.empty() ? m_hwnd : control(spec.container);
        const DWORD exStyle = traits.sunkenBorder ? WS_EX_CLIENTEDGE : 0;
        const form::PixelRect &rect = placed.rect;
        const auto id = INT_PTR(m_controls.size() + 1);
        const HWND hwnd = CreateWindowExW(exStyle, className, wide(spec.text).c_str(),
                                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                                          rect.left, rect.top, rect.width, rect.height, parent,
                                          reinterpret_cast<HMENU>(id), instance, nullptr);
        if (!hwnd)
            form::throwControlNotMade(spec.name);
        Control &control = m_controls.emplace_back(
            Control{&spec, hwnd, ColourBrush(spec.colour), form::identity(spec), nullptr});
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font(spec.font, placed.fontPixels)),
                     FALSE);
        if (spec.kind == form::Kind::PictureBox) {
            control.pictureBox = std::make_unique<PictureBox>(spec.name, spec.colour);
            control.pictureBox->attach(hwnd, m_dpi);
        }
        if (traits.unlimitedText)
            SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);
        giveAccessibleIdentity(hwnd, control.identity);
        if (traits.beneath)
            SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    m_liveRegion = std::make_unique<LiveRegion>(m_hwnd);
}

// After a move to a screen of another resolution: positions, sizes and fonts anew, so that the
// whole window scales as one.
void Form1::applyDpi()
{
    const auto oldFonts = std::move(m_fonts); // freed once no control uses them
    m_fonts.clear();
    for (const Control &control : m_controls) {
        const form::Placement placed = form::placement(*control.spec, m_dpi);
        const form::PixelRect &rect = placed.rect;
        SetWindowPos(control.hwnd, nullptr, rect.left, rect.top, rect.width, rect.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control.hwnd, WM_SETFONT,
                     reinterpret_cast<WPARAM>(font(control.spec->font, placed.fontPixels)), TRUE);
        if (control.pictureBox)
            control.pictureBox->setDpi(m_dpi);
    }
}

HFONT Form1::font(const form::FontSpec &spec, int pixels)
{
    for (const auto &[made, font] : m_fonts)
        if (made.points == spec.points && made.bold == spec.bold && made.italic == spec.italic)
            return font.get();
    return m_fonts.emplace_back(spec, createFont(spec, pixels)).second.get();
}

void Form1::show(int showCommand)
{
    ShowWindow(m_hwnd, showCommand);
    UpdateWindow(m_hwnd);
    SetFocus(control(form::firstFocus().name));
}

void Form1::dispatch(const MSG &message)
{
    if (handleKey(message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

// The window's keyboard, which a dialog box would otherwise give: Tab and Shift+Tab follow the
// table's tab cycle (Text7 before Text3, which no z-order walk gives), Enter clicks a focused
// button as Space does, and Enter and Escape in an answer box do nothing, not even beep. Ctrl+A
// selects a box's whole text, which the system's classic edit box leaves to its program.
bool Form1::handleKey(const MSG &message)
{
    if (message.message != WM_KEYDOWN || (message.hwnd != m_hwnd && !IsChild(m_hwnd, message.hwnd)))
        return false;
    const Control *from = controlOf(message.hwnd);
    const form::ControlSpec *focused = from ? from->spec : nullptr;
    switch (message.wParam) {
    case VK_TAB: {
        const bool backward = GetKeyState(VK_SHIFT) < 0;
        const form::ControlSpec &next =
            form::nextInTabCycle(focused ? focused->name : std::string_view(), !backward);
        const HWND target = control(next.name);
        SetFocus(target);
        if (next.kind == form::Kind::TextBox)
            SendMessageW(target, EM_SETSEL, 0, -1);
        return true;
    }
    case VK_RETURN:
        if (focused && form::traits(focused->kind).enterClicks)
            SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        return true;
    case VK_ESCAPE:
        return true;
    case 'A':
        if (GetKeyState(VK_CONTROL) >= 0 || !focused || focused->kind != form::Kind::TextBox)
            return false;
        SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
        return true;
    }
    return false;
}

LRESULT CALLBACK Form1::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self =
            static_cast<Form1 *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<Form1 *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return self ? self->handleMessage(message, wParam, lParam)
                : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT Form1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND hwnd = m_hwnd;
    switch (message) {
        HANDLE_MSG(hwnd, WM_PAINT, OnPaint);
        HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
        HANDLE_MSG(hwnd, WM_CTLCOLOREDIT, OnCtlColor);
        HANDLE_MSG(hwnd, WM_CTLCOLORSTATIC, OnCtlColor);
        HANDLE_MSG(hwnd, WM_DRAWITEM, OnDrawItem);
        HANDLE_MSG(hwnd, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
    case WM_ERASEBKGND:
        return TRUE; // painted whole in WM_PAINT
    case WM_PRINTCLIENT:
        paintContent(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Form1::OnPaint(HWND hwnd)
{
    PAINTSTRUCT paint;
    BeginPaint(hwnd, &paint);
    paintContent(paint.hdc);
    EndPaint(hwnd, &paint);
}

// The background picture, and the button face wherever it does not reach.
void Form1::paintContent(HDC dc) const
{
    m_background.paintClient(dc, m_hwnd, m_dpi, m_backgroundColour.get());
}

void Form1::OnCommand(HWND, int, HWND control, UINT code)
{
    if (const Control *clicked = controlOf(control); clicked && code == BN_CLICKED)
        click(clicked->spec->name);
}

HBRUSH Form1::OnCtlColor(HWND, HDC dc, HWND window, int)
{
    const Control *control = controlOf(window);
    if (!control)
        return nullptr;
    SetBkColor(dc, control->brush.colour());
    SetTextColor(dc, GetSysColor(control->spec->kind == form::Kind::TextBox ? COLOR_WINDOWTEXT
                                                                            : COLOR_BTNTEXT));
    return control->brush.get();
}

void Form1::OnDrawItem(HWND, const DRAWITEMSTRUCT *item)
{
    if (const Control *control = controlOf(item->hwndItem))
        drawCommandButton(*item, control->brush);
}

// The focus comes back to where it was when the window is activated again.
void Form1::OnActivate(HWND, UINT state, HWND, BOOL)
{
    if (state == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(m_hwnd, focus))
            m_lastFocus = focus;
    } else {
        SetFocus(m_lastFocus ? m_lastFocus : control(form::firstFocus().name));
    }
}

void Form1::OnDpiChanged(int dpi, const RECT &suggested)
{
    m_dpi = dpi;
    applyDpi();
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void Form1::OnDestroy(HWND)
{
    PostQuitMessage(m_exitStatus);
}

HWND Form1::control(std::string_view name) const
{
    for (const Control &control : m_controls)
        if (control.spec->name == name)
            return control.hwnd;
    return nullptr;
}

const Form1::Control *Form1::controlOf(HWND window) const
{
    if (!window || !IsChild(m_hwnd, window))
        return nullptr;
    const int id = GetDlgCtrlID(window);
    return id >= 1 && id <= int(m_controls.size()) ? &m_controls[std::size_t(id - 1)] : nullptr;
}

HWND Form1::answerBox(std::string_view name) const
{
    const HWND box = control(name);
    if (!box || !IsWindow(box))
        form::throwMissingControl(name);
    return box;
}

std::u16string Form1::text(std::string_view box) const
{
    return utf16(windowText(answerBox(box)));
}

void Form1::setText(std::string_view box, std::u16string_view text)
{
    if (!SetWindowTextW(answerBox(box), std::wstring(wide(text)).c_str()))
        form::throwTextNotWritten(box);
}

void Form1::endProgram()
{
    DestroyWindow(m_hwnd);
}

void Form1::endWithRuntimeError(const std::string &message)
{
    showRuntimeError(m_hwnd, message);
    m_exitStatus = form::runtimeErrorStatus;
    DestroyWindow(m_hwnd);
}

void Form1::announce(const std::string &text)
{
    m_liveRegion->announce(wide(text));
}

void showRuntimeError(HWND owner, const std::string &message)
{
    MessageBoxW(owner, wide(message).c_str(), wide(form::runtimeErrorTitle).c_str(),
                MB_OK | MB_ICONERROR);
}
