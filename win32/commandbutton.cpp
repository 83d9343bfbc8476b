#include "commandbutton.h"

#include "text.h"

void drawCommandButton(const DRAWITEMSTRUCT &item, const ColourBrush &face)
{
    const HDC dc = item.hDC;
    const bool pressed = item.itemState & ODS_SELECTED;
    RECT rect = item.rcItem;
    FillRect(dc, &rect, face.get());
    DrawEdge(dc, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);

    const std::wstring caption = windowText(item.hwndItem);
    RECT text = rect;
    if (pressed)
        OffsetRect(&text, 1, 1);
    const HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, caption.c_str(), int(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);

    if (item.itemState & ODS_FOCUS) {
        InflateRect(&rect, -2, -2);
        DrawFocusRect(dc, &rect);
    }
}
