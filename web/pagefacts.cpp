// Writes what the page takes from the layout table when the page is built: the form's own
// stylesheet (every control's place, size, colour and font), or with "title" the page's title,
// the form's caption. Neither depends on anything the browser knows, so both are made once, here,
// and the page's policy allows the stylesheet by its hash.
#include "layouttable.h"
#include "markup.h"

#include <cstdio>
#include <string_view>

int main(int argc, char *argv[])
{
    const bool title = argc > 1 && std::string_view(argv[1]) == "title";
    std::fputs(title ? std::string(form::formCaption).c_str() : markup::styles().c_str(), stdout);
}
