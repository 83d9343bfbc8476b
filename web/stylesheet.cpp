// Writes the form's own stylesheet, every control's place, size, colour and font from the layout
// table, for the build to put into the page beside the page's sheet. It depends on nothing the
// browser knows, so it is made once, here, and the page's policy allows it by its hash.
#include "markup.h"

#include <cstdio>

int main()
{
    std::fputs(markup::styles().c_str(), stdout);
}
