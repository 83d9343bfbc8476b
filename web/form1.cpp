#include "form1.h"

#include "geometry.h"
#include "kinds.h"
#include "runtimeerror.h"
#include "screenreader.h"
#include "tabcycle.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

using emscripten::val;

namespace {

constexpr const char *kindNames[] = {"PictureBox", "TextBox", "CommandButton", "Label"};
constexpr const char *kindTags[] = {"div", "input", "button", "div"};

// The form is drawn at most twice its size; below three quarters of it, on a screen held
// upright, it is too small to read well.
constexpr double largestScale = 2.0;
constexpr double smallestComfortableScale = 0.75;

std::string px(double pixels)
{
    char text[32];
    std::snprintf(text, sizeof text, "%gpx", pixels);
    return text;
}

std::string cssColour(std::uint32_t colourValue)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", unsigned(form::classicColour(colourValue)));
    return text;
}

void place(const val &element, const form::PixelRect &rect)
{
    val style = element["style"];
    style.set("left", px(rect.left));
    style.set("top", px(rect.top));
    style.set("width", px(rect.width));
    style.set("height", px(rect.height));
}

bool holdsControls(const form::ControlSpec &spec)
{
    return std::any_of(
        form::controls.begin(), form::controls.end(),
        [&spec](const form::ControlSpec &other) { return other.container == spec.name; });
}

int tabPosition(const form::ControlSpec &spec)
{
    const auto cycle = form::tabCycle();
    return int(std::find(cycle.begin(), cycle.end(), &spec) - cycle.begin()) + 1;
}

} // namespace

Form1::Form1(val page, Ended ended)
    : m_document(val::global("document")),
      m_frame(m_document.call<val>("createElement", val("div"))),
      m_form(m_document.call<val>("createElement", val("div"))),
      m_hint(m_document.call<val>("createElement", val("p"))), m_ended(std::move(ended))
{
    m_document.set("title", val(std::string(form::formCaption)));
    m_frame.set("id", val("frame"));
    m_form.set("id", val(std::string(form::formName)));
    place(m_form, form::formClientArea());
    m_form["style"].set("backgroundColor", cssColour(form::formColour));
    m_frame.call<void>("append", m_form);
    page.call<void>("append", m_frame);
    for (const form::ControlSpec &spec : form::controls) {
        const val container = spec.container.empty() ? m_form : element(spec.container);
        container.call<void>("append", createControl(spec));
    }
    m_hint.set("id", val("turn"));
    // Texts beyond ASCII go as std::string, which the page takes as UTF-8.
    m_hint.set("textContent",
               val(std::string("Gire el teléfono para ver el ejercicio más grande.")));
    page.call<void>("append", m_hint);
    fit();
    element(form::firstFocus().name).call<void>("focus");
}

Form1::~Form1()
{
    end();
}

val Form1::createControl(const form::ControlSpec &spec)
{
    const form::KindTraits &traits = form::traits(spec.kind);
    val control = m_document.call<val>("createElement", val(kindTags[int(spec.kind)]));
    control.set("id", val(std::string(spec.name)));
    control.set("className", val(kindNames[int(spec.kind)]));
    place(control, form::pixelRect(spec));
    val style = control["style"];
    style.set("backgroundColor", cssColour(spec.colour));
    style.set("fontSize", px(form::fontPixelSize(spec.font)));
    style.set("fontWeight", val(spec.font.bold ? "bold" : "normal"));
    style.set("fontStyle", val(spec.font.italic ? "italic" : "normal"));
    style.set("textAlign", val(traits.centredText ? "center" : "left"));
    style.set("zIndex", val(traits.beneath ? "0" : "1"));
    if (traits.sunkenBorder)
        control["classList"].call<void>("add", val("sunken"));
    if (traits.takesFocus)
        control.set("tabIndex", tabPosition(spec));

    const std::string name = form::screenReaderName(spec);
    const std::string description = form::screenReaderDescription(spec);
    if (name != spec.text)
        control.call<void>("setAttribute", val("aria-label"), val(name));
    if (!description.empty())
        control.call<void>("setAttribute", val("aria-description"), val(description));

    switch (spec.kind) {
    case form::Kind::PictureBox:
        control.call<void>("setAttribute", val("role"), val(holdsControls(spec) ? "group" : "img"));
        break;
    case form::Kind::TextBox:
        // A corrected, completed or underlined word would change an answer or give one away.
        control.set("type", val("text"));
        control.call<void>("setAttribute", val("autocapitalize"), val("characters"));
        control.call<void>("setAttribute", val("autocomplete"), val("off"));
        control.call<void>("setAttribute", val("autocorrect"), val("off"));
        control.call<void>("setAttribute", val("spellcheck"), val("false"));
        control.call<void>("setAttribute", val("translate"), val("no"));
        break;
    case form::Kind::CommandButton:
        control.set("type", val("button"));
        control.set("textContent", val(std::string(spec.text)));
        control.call<void>("addEventListener", val("click"), val::module_property("buttonClicked"));
        break;
    case form::Kind::Label:
        control.set("textContent", val(std::string(spec.text)));
        break;
    }
    return control;
}

void Form1::fit()
{
    const val window = val::global("window");
    const double width = window["innerWidth"].as<double>();
    const double height = window["innerHeight"].as<double>();
    const form::PixelRect client = form::formClientArea();
    const double scale = std::min({width / client.width, height / client.height, largestScale});
    m_hint.set("hidden", !(height > width && scale < smallestComfortableScale));

    // Whole pixels for the frame, so that at a scale of 1 every picture lies pixel for pixel.
    const double scaledWidth = std::floor(client.width * scale);
    val frame = m_frame["style"];
    frame.set("width", px(scaledWidth));
    frame.set("height", px(std::floor(client.height * scale)));
    frame.set("marginLeft", px(std::floor((width - scaledWidth) / 2)));
    char transform[32];
    std::snprintf(transform, sizeof transform, "scale(%g)", scale);
    m_form["style"].set("transform", val(std::string(transform)));
}

val Form1::element(std::string_view id) const
{
    const val found = m_document.call<val>("getElementById", val(std::string(id)));
    if (found.isNull() || !m_form.call<bool>("contains", found))
        form::throwMissingControl(id);
    return found;
}

std::u16string Form1::text(std::string_view box) const
{
    return element(box)["value"].as<std::u16string>();
}

void Form1::setText(std::string_view box, std::u16string_view text)
{
    element(box).set("value", val(std::u16string(text)));
}

// A page cannot always close its tab: where the browser refuses, the form gives way to a word
// that the drill has ended.
void Form1::endProgram()
{
    val::global("window").call<void>("close");
    end();
}

void Form1::endWithRuntimeError(const std::string &message)
{
    val dialog = m_document.call<val>("createElement", val("dialog"));
    dialog.set("id", val("runtimeError"));
    val title = m_document.call<val>("createElement", val("h1"));
    title.set("textContent", val(std::string(form::runtimeErrorTitle)));
    val text = m_document.call<val>("createElement", val("p"));
    text.set("textContent", val(message));
    val accept = m_document.call<val>("createElement", val("button"));
    accept.set("type", val("button"));
    accept.set("textContent", val("Aceptar"));
    accept.call<void>("addEventListener", val("click"), val::module_property("closeDialog"));
    dialog.call<void>("append", title, text, accept);
    dialog.call<void>("addEventListener", val("close"), val::module_property("runtimeErrorClosed"));
    m_document["body"].call<void>("append", dialog);
    dialog.call<void>("showModal");
}

void Form1::end()
{
    if (!m_frame["isConnected"].as<bool>())
        return;
    m_frame.call<void>("remove");
    m_hint.call<void>("remove");
    m_ended();
}
