#include "markup.h"

#include "geometry.h"
#include "kinds.h"
#include "screenreader.h"
#include "tabcycle.h"

#include <algorithm>
#include <array>

namespace markup {

namespace {

template <typename... Parts> std::string join(const Parts &...parts)
{
    std::string joined;
    (joined.append(std::string_view(parts)), ...);
    return joined;
}

std::string attribute(std::string_view name, std::string_view value)
{
    return join(" ", name, "=\"", escaped(value), "\"");
}

int tabPosition(const form::ControlSpec &spec)
{
    static const auto cycle = form::tabCycle();
    return int(std::find(cycle.begin(), cycle.end(), &spec) - cycle.begin()) + 1;
}

std::string children(std::string_view container);

std::string element(const form::ControlSpec &spec)
{
    const form::Identity identity = form::identity(spec);
    const form::KindTraits &traits = form::traits(spec.kind);
    std::string attributes = attribute("id", spec.name);
    attributes += attribute("class", join(traits.name, traits.sunkenBorder ? " sunken" : ""));
    if (traits.takesFocus)
        attributes += attribute("tabindex", std::to_string(tabPosition(spec)));
    if (identity.name != spec.text)
        attributes += attribute("aria-label", identity.name);
    if (!identity.description.empty())
        attributes += attribute("aria-description", identity.description);

    switch (spec.kind) {
    case form::Kind::PictureBox:
        return join("<div", attributes,
                    attribute("role", identity.role == form::Role::Group ? "group" : "img"), ">",
                    children(spec.name), "</div>");
    case form::Kind::TextBox:
        // A corrected, completed or underlined word would change an answer or give one away (and
        // the whole page is never translated).
        return join("<input type=\"text\"", attributes,
                    " autocapitalize=\"characters\" autocomplete=\"off\" autocorrect=\"off\""
                    " spellcheck=\"false\">");
    case form::Kind::CommandButton:
        return join("<button type=\"button\"", attributes, ">", escaped(spec.text), "</button>");
    case form::Kind::Label:
        return join("<div", attributes, ">", escaped(spec.text), "</div>");
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

std::string pixels(int value)
{
    return join(std::to_string(value), "px");
}

std::string declaration(std::string_view property, std::string_view value)
{
    return join(property, ":", value, ";");
}

std::string placed(const form::PixelRect &rect, std::uint32_t colour)
{
    const std::uint32_t rgb = form::classicColour(colour);
    std::string hex = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        hex += "0123456789ABCDEF"[rgb >> shift & 0xF];
    return join(declaration("left", pixels(rect.left)), declaration("top", pixels(rect.top)),
                declaration("width", pixels(rect.width)),
                declaration("height", pixels(rect.height)), declaration("background-color", hex));
}

// A browser never draws the bitmap face: after it, Windows's own outline version of it and its
// nearest faces, then the desktop's list, then any sans-serif face.
std::string fontFamilies()
{
    constexpr std::array<std::string_view, 6> families{
        form::fontFamilies[0], "Microsoft Sans Serif", "Tahoma",
        form::fontFamilies[1], form::fontFamilies[2],  "Helvetica"};
    std::string css;
    for (std::string_view family : families)
        css += join("\"", family, "\",");
    return css + "sans-serif";
}

std::string rule(std::string_view id, std::string_view declarations)
{
    return join("#", id, "{", declarations, "}");
}

} // namespace

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

std::string form()
{
    return join("<div", attribute("id", form::formName), ">", children({}), "</div>");
}

std::string styles()
{
    std::string css = rule(form::formName, join(placed(form::formClientArea(), form::formColour),
                                                declaration("font-family", fontFamilies())));
    for (const form::ControlSpec &spec : form::controls) {
        const form::Placement control = form::placement(spec);
        const form::KindTraits &traits = form::traits(spec.kind);
        css +=
            rule(spec.name, placed(control.rect, spec.colour) +
                                declaration("font-size", pixels(control.fontPixels)) +
                                declaration("font-weight", spec.font.bold ? "bold" : "normal") +
                                declaration("font-style", spec.font.italic ? "italic" : "normal") +
                                declaration("text-align", traits.centredText ? "center" : "left") +
                                declaration("z-index", traits.beneath ? "0" : "1"));
    }
    return css;
}

} // namespace markup
