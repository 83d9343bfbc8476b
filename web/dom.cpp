#include "dom.h"

#include <emscripten/emscripten.h>

namespace {

EM_JS(bool, holdsElement, (const char *within, const char *id), {
    const found = document.getElementById(UTF8ToString(id));
    return !!found && document.getElementById(UTF8ToString(within)).contains(found);
});

EM_JS(int, valueLength, (const char *id),
      { return document.getElementById(UTF8ToString(id)).value.length; });

EM_JS(void, copyValue, (const char *id, char16_t *to, int bytes),
      { stringToUTF16(document.getElementById(UTF8ToString(id)).value, to, bytes); });

EM_JS(void, writeValue, (const char *id, const char16_t *text, int bytes),
      { document.getElementById(UTF8ToString(id)).value = UTF16ToString(text, bytes); });

EM_JS(int, textLength, (const char *id),
      { return lengthBytesUTF8(document.getElementById(UTF8ToString(id)).textContent); });

EM_JS(void, copyText, (const char *id, char *to, int bytes),
      { stringToUTF8(document.getElementById(UTF8ToString(id)).textContent, to, bytes); });

EM_JS(void, writeText, (const char *id, const char *text),
      { document.getElementById(UTF8ToString(id)).textContent = UTF8ToString(text); });

EM_JS(void, writeHidden, (const char *id, bool hidden),
      { document.getElementById(UTF8ToString(id)).hidden = hidden; });

EM_JS(void, giveFocus, (const char *id, bool first), {
    if (!first || document.activeElement == document.body)
        document.getElementById(UTF8ToString(id)).focus();
});

EM_JS(void, writeState, (const char *state),
      { document.documentElement.dataset.state = UTF8ToString(state); });

} // namespace

namespace dom {

bool holds(std::string_view within, std::string_view id)
{
    return holdsElement(std::string(within).c_str(), std::string(id).c_str());
}

std::u16string value(std::string_view id)
{
    const std::string element(id);
    std::u16string text(std::size_t(valueLength(element.c_str())), u'\0');
    copyValue(element.c_str(), text.data(), int((text.size() + 1) * sizeof(char16_t)));
    return text;
}

void setValue(std::string_view id, std::u16string_view text)
{
    const std::u16string terminated(text);
    writeValue(std::string(id).c_str(), terminated.c_str(),
               int(terminated.size() * sizeof(char16_t)));
}

std::string text(std::string_view id)
{
    const std::string element(id);
    std::string text(std::size_t(textLength(element.c_str())), '\0');
    copyText(element.c_str(), text.data(), int(text.size() + 1));
    return text;
}

void setText(std::string_view id, std::string_view text)
{
    writeText(std::string(id).c_str(), std::string(text).c_str());
}

void setHidden(std::string_view id, bool hidden)
{
    writeHidden(std::string(id).c_str(), hidden);
}

void focus(std::string_view id)
{
    giveFocus(std::string(id).c_str(), false);
}

void focusUnlessFocused(std::string_view id)
{
    giveFocus(std::string(id).c_str(), true);
}

void setState(std::string_view state)
{
    writeState(std::string(state).c_str());
}

} // namespace dom
