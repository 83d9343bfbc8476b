// Writes the one self-contained page: the template with the form's markup and stylesheet from the
// layout table, the pictures as lossless WebP, the icon, the early script that fits the form
// before its first paint, and the program with its WebAssembly inside, under a
// Content-Security-Policy that allows exactly these and nothing from the network.
//   pagewriter TEMPLATE STYLESHEET EARLY.js PROGRAM.js PROGRAM.wasm ICON.png ASSETS HEADING PAGE
// Each picture in ASSETS is named after the control that shows it (Form1.bmp by Form1).
#include "encoding.h"
#include "geometry.h"
#include "markup.h"
#include "pageparts.h"
#include "runtimeerror.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::string contents(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::span<const std::uint8_t> bytes(const std::string &data)
{
    return {reinterpret_cast<const std::uint8_t *>(data.data()), data.size()};
}

void replace(std::string &text, std::string_view placeholder, std::string_view value)
{
    const std::size_t at = text.find(placeholder);
    if (at == text.npos)
        throw std::runtime_error("no " + std::string(placeholder) + " to fill in");
    text.replace(at, placeholder.size(), value);
}

// Every id the stylesheet's selectors name is one the page has, a part of its own, the form or a
// control:
// the ids are the program's, and a rule for one it does not know would style nothing.
void checkSelectedIds(std::string style)
{
    for (std::size_t open = style.find("/*"); open != style.npos; open = style.find("/*", open))
        style.erase(open, style.find("*/", open) + 2 - open);
    std::size_t begin = 0;
    for (std::size_t end = style.find_first_of("{};"); end != style.npos;
         begin = end + 1, end = style.find_first_of("{};", begin)) {
        if (style[end] != '{') // a declaration, where a '#' begins a colour
            continue;
        for (std::size_t at = style.find('#', begin); at < end; at = style.find('#', at + 1)) {
            const std::size_t past = style.find_first_not_of(
                "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_", at + 1);
            const std::string id = style.substr(at + 1, past - at - 1);
            if (std::ranges::find(page::parts, id) == std::end(page::parts) &&
                id != form::formName && !form::findControl(id))
                throw std::runtime_error("the stylesheet selects #" + id +
                                         ", which the page lacks");
        }
    }
}

// The pictures, one rule each, for the window and every picture box.
std::string pictureStyles(const std::string &assets)
{
    std::string css;
    for (std::string_view name : form::picturedControls()) {
        const std::string path = assets + "/" + std::string(name) + ".bmp";
        const std::string stored = contents(path);
        const std::optional<bitmap::Bitmap> picture = bitmap::read(bytes(stored));
        const std::string webp = picture ? encoding::losslessWebp(*picture) : std::string();
        if (webp.empty())
            throw std::runtime_error(std::string("cannot make a lossless WebP of ") + path);
        css.append("#").append(name).append("{background-image:url(data:image/webp;base64,");
        css.append(encoding::base64(webp)).append(")}");
    }
    return css;
}

// The program's script: its WebAssembly handed to it as bytes, since fetching its data: URL
// would break the page's policy. The browser decodes them where it can, a tenth of the time a
// loop takes.
std::string program(const std::string &glue, const std::string &wasm)
{
    std::string script = "var Module={wasmBinary:(s=>{if(Uint8Array.fromBase64)return "
                         "Uint8Array.fromBase64(s);const t=atob(s),b=new Uint8Array(t.length);"
                         "for(let i=0;i<t.length;++i)b[i]=t.charCodeAt(i);return b})(\"" +
                         encoding::base64(bytes(wasm)) + "\")};" + glue;
    for (std::size_t at = script.find("</script"); at != script.npos;
         at = script.find("</script", at))
        script.replace(at, 2, "<\\/");
    return script;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 10) {
        std::fputs("usage: pagewriter TEMPLATE STYLESHEET EARLY.js PROGRAM.js PROGRAM.wasm "
                   "ICON.png ASSETS HEADING PAGE\n",
                   stderr);
        return 2;
    }
    try {
        std::string page = contents(argv[1]);
        std::string style = contents(argv[2]);
        checkSelectedIds(style);
        replace(style, "@SUNKEN_BORDER@", std::to_string(form::pictureBoxBorder) + "px");
        style += markup::styles() + pictureStyles(argv[7]);
        std::string early = contents(argv[3]);
        const form::PixelRect client = form::formClientArea();
        replace(early, "@FORM_WIDTH@", std::to_string(client.width));
        replace(early, "@FORM_HEIGHT@", std::to_string(client.height));
        const std::string script = program(contents(argv[4]), contents(argv[5]));

        replace(page, "@POLICY@",
                "default-src 'none'; img-src data:; style-src " + encoding::policyDigest(style) +
                    "; script-src " + encoding::policyDigest(early) + " " +
                    encoding::policyDigest(script) + " 'wasm-unsafe-eval'");
        replace(page, "@TITLE@", markup::escaped(form::formCaption));
        replace(page, "@ICON@", "data:image/png;base64," + encoding::base64(contents(argv[6])));
        replace(page, "@STYLE@", style);
        replace(page, "@EARLY@", early);
        replace(page, "@LAST@", page::announcement);
        replace(page, "@HEADING@", markup::escaped(argv[8]));
        replace(page, "@FORM@", markup::form());
        replace(page, "@ERROR_TITLE@", markup::escaped(form::runtimeErrorTitle));
        // The program finds the page's own parts by these ids.
        for (std::string_view id : page::parts)
            if (page.find(" id=\"" + std::string(id) + "\"") == page.npos)
                throw std::runtime_error("the template has no " + std::string(id));
        replace(page, "@PROGRAM@", script);
        std::ofstream written(argv[9], std::ios::binary);
        if (!(written << page) || !written.flush())
            throw std::runtime_error(std::string("cannot write ") + argv[9]);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "pagewriter: %s\n", error.what());
        return 1;
    }
    return 0;
}
