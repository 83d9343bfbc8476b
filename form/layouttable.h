#pragma once

#include "colours.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace form {

enum class Kind { PictureBox, TextBox, CommandButton, Label };

struct FontSpec {
    double points;
    bool bold;
    bool italic;
};

inline constexpr FontSpec windowFont{8.25, false, false};

// "MS Sans Serif" where the platform has it, else the nearest sans-serif face, in this order.
inline constexpr std::array<std::string_view, 3> fontFamilies{"MS Sans Serif", "Liberation Sans",
                                                              "Arial"};

// Positions are in twips, relative to the container's client area. Texts are UTF-8.
struct ControlSpec {
    Kind kind;
    std::string_view name;
    std::string_view container; // empty: the window itself
    int left, top, width, height;
    std::string_view text;
    std::uint32_t colour;
    FontSpec font;
    int tabIndex;
};

// The form's name, which its background picture carries too, and the text of its title bar.
inline constexpr std::string_view formName = "Form1";
inline constexpr std::string_view formCaption = "Form1";
inline constexpr int formClientWidth = 9600;
inline constexpr int formClientHeight = 5745;
// Wherever its picture does not reach.
inline constexpr std::uint32_t formColour = buttonFace;

// The window's controls in creation order; start-up creates exactly these.
inline constexpr std::array<ControlSpec, 23> controls{{
    // clang-format off
    {Kind::PictureBox,    "Picture1", "",          120,  480, 3255, 1695, "",       0x00FFFFFF,   windowFont, 11},
    {Kind::TextBox,       "Text1",    "Picture1",  360, 1320, 2295,  285, "",       buttonFace,   windowFont, 12},
    {Kind::CommandButton, "Command3", "",         8520, 5160,  975,  375, "Salir",  buttonFace,   windowFont,  7},
    {Kind::PictureBox,    "Picture5", "",         7440,  360, 2175, 3375, "",       buttonFace,   windowFont,  6},
    {Kind::CommandButton, "Command2", "",         8520, 4320,  975,  375, "BORRAR", buttonFace,   windowFont,  4},
    {Kind::PictureBox,    "Picture4", "",          120, 4080, 5895, 1455, "",       highlightText, windowFont, 3},
    {Kind::TextBox,       "Text12",   "Picture4", 4920,  840,  735,  375, "",       inactiveTitleBar, windowFont, 22},
    {Kind::TextBox,       "Text11",   "Picture4", 4080,  840,  735,  405, "",       buttonFace,   windowFont, 21},
    {Kind::TextBox,       "Text10",   "Picture4", 2640,  840, 1215,  375, "",       buttonFace,   windowFont, 20},
    {Kind::TextBox,       "Text9",    "Picture4", 1200,  840, 1215,  375, "",       buttonFace,   windowFont, 19},
    {Kind::TextBox,       "Text8",    "Picture4",  120,  840,  855,  405, "",       buttonFace,   windowFont, 18},
    {Kind::PictureBox,    "Picture3", "",         4080,  600, 2175, 1455, "",       highlightText, windowFont, 2},
    {Kind::TextBox,       "Text4",    "Picture3", 1080,  960,  975,  285, "",       buttonFace,   windowFont, 15},
    {Kind::TextBox,       "Text3",    "Picture3",  120,  960,  855,  285, "",       buttonFace,   windowFont, 14},
    {Kind::PictureBox,    "Picture2", "",          120, 2520, 3975, 1455, "",       highlightText, windowFont, 1},
    {Kind::TextBox,       "Text6",    "Picture2", 1080,  960,  975,  285, "",       buttonFace,   windowFont, 17},
    {Kind::TextBox,       "Text5",    "Picture2",  120,  960,  855,  285, "",       buttonFace,   windowFont, 16},
    {Kind::TextBox,       "Text7",    "Picture2", 2280,  960, 1455,  285, "",       buttonFace,   windowFont, 13},
    {Kind::CommandButton, "Command1", "",         5520, 2640, 1215,  855, "PRUEBA", 0x0080C0FF,   windowFont,  0},
    {Kind::Label,         "Label4",   "",         2520,  120, 6135,  255,
     "ESCRIBIR EL  NOMBRE CORRECTO EN CADA CUADRO Y OPRIMIR PRUEBA", applicationWorkspace, {8.25, false, true}, 10},
    {Kind::Label,         "Label3",   "",         3840, 2160, 2415,  255,
     "ESCRIBIR EN MAYÚSCULAS",                                       activeBorder, {8.25, false, true},  9},
    {Kind::Label,         "Label2",   "",         6240, 5400, 2055,  255,
     "Autor: Korval",                                                0x00808000,   {8.25, true, false},  8},
    {Kind::Label,         "Label1",   "",          120,    0, 1935,  255,
     "KORVAL  2",                                                    0x0000C000,   {9.75, true, false},  5},
    // clang-format on
}};

// The picture boxes that hold the answer boxes, in the order the learner counts them ("Tabla 1 de
// símbolos"). The other picture box is the word list.
inline constexpr std::array<std::string_view, 4> symbolTables{"Picture1", "Picture2", "Picture3",
                                                              "Picture4"};

// The controls that show a picture, each named as its picture is: the window and its picture
// boxes.
constexpr std::size_t pictureBoxCount()
{
    std::size_t boxes = 0;
    for (const ControlSpec &spec : controls)
        boxes += spec.kind == Kind::PictureBox;
    return boxes;
}

constexpr std::array<std::string_view, 1 + pictureBoxCount()> picturedControls()
{
    std::array<std::string_view, 1 + pictureBoxCount()> names{formName};
    std::size_t next = 1;
    for (const ControlSpec &spec : controls)
        if (spec.kind == Kind::PictureBox)
            names[next++] = spec.name;
    return names;
}

// nullptr when the window has none.
constexpr const ControlSpec *findControl(std::string_view name)
{
    for (const ControlSpec &spec : controls)
        if (spec.name == name)
            return &spec;
    return nullptr;
}

} // namespace form
