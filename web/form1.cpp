#include "form1.h"

#include "geometry.h"
#include "markup.h"
#include "runtimeerror.h"
#include "tabcycle.h"

#include <cmath>
#include <string>

using emscripten::val;

namespace {

// The form is drawn at most twice its size; below three quarters of it, on a screen held
// upright, it is too small to read well.
constexpr double largestScale = 2.0;
constexpr double smallestComfortableScale = 0.75;

} // namespace

Form1::Form1(val page, Ended ended, Checked checked)
    : m_document(val::global("document")), m_page(page),
      m_frame(m_document.call<val>("createElement", val("div"))),
      m_form(m_document.call<val>("createElement", val("div"))),
      m_hint(m_document.call<val>("createElement", val("p"))), m_ended(std::move(ended)),
      m_checked(std::move(checked))
{
    m_frame.set("id", val("frame"));
    m_form.set("id", val(std::string(form::formName)));
    m_form.set("innerHTML", val(markup::controls()));
    m_form.call<void>("addEventListener", val("click"), val::module_property("clicked"));
    m_frame.call<void>("append", m_form);
    // Texts beyond ASCII go as std::string, which the page takes as UTF-8.
    m_hint.set("id", val("turn"));
    m_hint.set("textContent",
               val(std::string("Gire el teléfono para ver el ejercicio más grande.")));
    // Measured while the page is still empty, so that reading its size costs no layout of the
    // form: the form is laid out once, for the focus.
    fit();
    page.call<void>("append", m_frame, m_hint);
    element(form::firstFocus().name).call<void>("focus");
}

Form1::~Form1()
{
    end();
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
    m_frame["style"].set(
        "cssText",
        val(markup::declaration("width", markup::pixels(int(scaledWidth))) +
            markup::declaration("height", markup::pixels(int(std::floor(client.height * scale)))) +
            markup::declaration("margin-left", markup::pixels(int((width - scaledWidth) / 2)))));
    m_form["style"].set("transform", val("scale(" + std::to_string(scale) + ")"));
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
    m_page.call<void>("append", dialog);
    // Safari before 15.4 has no modal dialogs: there the report stands open in the page.
    if (dialog["showModal"].isUndefined())
        dialog.set("open", true);
    else
        dialog.call<void>("showModal");
}

void Form1::announce(const std::string &text)
{
    val region = m_document.call<val>("getElementById", val("announcement"));
    if (region.isNull())
        return;
    // Screen readers may drop a text the same as the one before: it differs by a no-break space.
    const bool again = region["textContent"].as<std::string>() == text;
    region.set("textContent", val(again ? text + "\u00A0" : text));
}

void Form1::checked(const form::CheckResult &result)
{
    m_checked(result);
}

void Form1::end()
{
    if (!m_frame["isConnected"].as<bool>())
        return;
    m_frame.call<void>("remove");
    m_hint.call<void>("remove");
    m_ended();
}
