#include "markup.h"

#include "geometry.h"
#include "resolved.h"
#include "tabcycle.h"

#include <algorithm>
#include <string_view>

namespace markup {

namespace {

// The table's texts are fixed, but they still go into HTML as text, never as markup.
std::string escaped(std::string_view text)
{
    std::string out;
    for (char letter : text) {
        switch (letter) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += letter;
        }
    }
    return out;
}

std::string attribute(std::string_view name, std::string_view value)
{
    return " " + std::string(name) + "=\"" + escaped(value) + "\"";
}

int tabPosition(const form::ControlSpec &spec)
{
    static const auto cycle = form::tabCycle();
    return int(std::find(cycle.begin(), cycle.end(), &spec) - cycle.begin()) + 1;
}

std::string children(std::string_view container);

std::string element(const form::ControlSpec &spec)
{
    const form::ResolvedControl control = form::resolve(spec);
    const form::KindTraits &traits = control.traits;
    std::string attributes = attribute("id", spec.name);
    attributes +=
        attribute("class", std::string(traits.name) + (traits.sunkenBorder ? " sunken" : ""));
    if (traits.takesFocus)
        attributes += attribute("tabindex", std::to_string(tabPosition(spec)));
    if (control.name != spec.text)
        attributes += attribute("aria-label", control.name);
    if (!control.description.empty())
        attributes += attribute("aria-description", control.description);

    switch (spec.kind) {
    case form::Kind::PictureBox:
        return "<div" + attributes +
               attribute("role", control.role == form::Role::Group ? "group" : "img") + ">" +
               children(spec.name) + "</div>";
    case form::Kind::TextBox:
        // A corrected, completed or underlined word would change an answer or give one away (and
        // the whole page is never translated).
        return "<input type=\"text\"" + attributes +
               " autocapitalize=\"characters\" autocomplete=\"off\" autocorrect=\"off\""
               " spellcheck=\"false\">";
    case form::Kind::CommandButton:
        return "<button type=\"button\"" + attributes + ">" + escaped(spec.text) + "</button>";
    case form::Kind::Label:
        return "<div" + attributes + ">" + escaped(spec.text) + "</div>";
    }
    return {};
}

std::string children(std::string_view container)
{
    std::string html;
    for (const form::ControlSpec &spec : form::controls)
        if (spec.container == container)
            html += element(spec);
    return html;
}

// One whole rule for the element of that id.
std::string rule(std::string_view id, const std::string &declarations)
{
    return "#" + std::string(id) + "{" + declarations + "}";
}

// Where an element stands, and its colour.
std::string placed(const form::PixelRect &rect, std::uint32_t colour)
{
    const std::uint32_t rgb = form::classicColour(colour);
    std::string hex = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        hex += "0123456789ABCDEF"[rgb >> shift & 0xF];
    return declaration("left", pixels(rect.left)) + declaration("top", pixels(rect.top)) +
           declaration("width", pixels(rect.width)) + declaration("height", pixels(rect.height)) +
           declaration("background-color", hex);
}

// The faces of the form's text, then a generic family.
std::string fontFamilies()
{
    std::string families;
    for (const auto &list : {form::fontFamilies, form::webFontFallbacks})
        for (std::string_view family : list)
            families += "\"" + std::string(family) + "\",";
    return families + "sans-serif";
}

} // namespace

std::string pixels(int value)
{
    return std::to_string(value) + "px";
}

std::string declaration(std::string_view property, std::string_view value)
{
    return std::string(property) + ":" + std::string(value) + ";";
}

std::string controls()
{
    return children({});
}

std::string styles()
{
    std::string css = rule(form::formName, placed(form::formClientArea(), form::formColour) +
                                               declaration("font-family", fontFamilies()));
    for (const form::ControlSpec &spec : form::controls) {
        const form::ResolvedControl control = form::resolve(spec);
        css += rule(spec.name,
                    placed(control.rect, control.colour) +
                        declaration("font-size", pixels(control.fontPixels)) +
                        declaration("font-weight", spec.font.bold ? "bold" : "normal") +
                        declaration("font-style", spec.font.italic ? "italic" : "normal") +
                        declaration("text-align", control.traits.centredText ? "center" : "left") +
                        declaration("z-index", control.traits.beneath ? "0" : "1"));
    }
    return css;
}

} // namespace markup
