#include "pictures.h"
#include "sketch.h"

#include <array>

namespace {

const QColor coreBlack(0x1E, 0x1E, 0x1E);

// One transformer winding: stubs at both ends pointing away from the core, a straight run on
// the lead line and four arcs bulging toward the core.
struct Winding {
    int leadLeft, leadRight; // columns of the lead line
    int stubFrom, stubTo;    // columns of the end stubs
    int topStub, bottomStub; // upper row of each 2-row stub
    std::array<std::pair<int, int>, 4> arcs;
    int bulge;
};

void drawWinding(Sketch &sketch, const Winding &w)
{
    sketch.block(w.stubFrom, w.topStub, w.stubTo, w.topStub + 1);
    sketch.block(w.stubFrom, w.bottomStub, w.stubTo, w.bottomStub + 1);
    sketch.block(w.leadLeft, w.topStub, w.leadRight, w.arcs.front().first - 1);
    sketch.block(w.leadLeft, w.arcs.back().second, w.leadRight, w.bottomStub + 1);
    const qreal leadX = (w.leadLeft + w.leadRight) / 2.0;
    for (auto [top, bottom] : w.arcs)
        sketch.arc(leadX, top, bottom, w.bulge);
}

// A diode's outlined triangle pointing up: a crisp base on rows baseTop and baseTop + 1 over
// columns left..right, and two anti-aliased sides meeting at the apex.
void upTriangle(Sketch &sketch, qreal apexX, int apexY, int baseTop, int left, int right)
{
    sketch.block(left, baseTop, right, baseTop + 1);
    sketch.stroke({qreal(left), baseTop + 0.5}, {apexX, apexY + 0.3});
    sketch.stroke({qreal(right), baseTop + 0.5}, {apexX, apexY + 0.3});
}

// A diode pointing up: its leads above and below in columns left..right, the bar across its tip
// (x0, y0, x1, y1) and its triangle, as upTriangle takes it.
struct UpDiode {
    int left, right;
    std::pair<int, int> above, below; // rows of the two leads
    std::array<int, 4> bar;
    qreal apexX;
    int apexY, baseTop, baseLeft, baseRight;
};

void drawUpDiode(Sketch &sketch, const UpDiode &d)
{
    sketch.block(d.left, d.above.first, d.right, d.above.second);
    sketch.block(d.left, d.below.first, d.right, d.below.second);
    sketch.block(d.bar[0], d.bar[1], d.bar[2], d.bar[3]);
    upTriangle(sketch, d.apexX, d.apexY, d.baseTop, d.baseLeft, d.baseRight);
}

// The same pointing right: the base on columns baseLeft and baseLeft + 1 over rows top..bottom.
void rightTriangle(Sketch &sketch, int baseLeft, int top, int bottom, int apexX, qreal apexY)
{
    sketch.block(baseLeft, top, baseLeft + 1, bottom);
    sketch.stroke({baseLeft + 0.5, qreal(top)}, {apexX - 0.3, apexY});
    sketch.stroke({baseLeft + 0.5, qreal(bottom)}, {apexX - 0.3, apexY});
}

// A bipolar transistor: the circle, the base bar with its lead from the left, collector and
// emitter slanting off the bar's right side to their 2-pixel vertical leads, and the emitter's
// solid arrowhead. Boxes are x0, y0, x1, y1.
struct Bipolar {
    std::array<int, 4> circle, bar;
    std::array<int, 3> base; // left column, top and bottom rows; it runs on to the bar
    int leadColumn;          // left column of the vertical leads
    struct {
        int leaves, meets, end; // the bar's row it leaves, the lead's row it meets, the lead's end
    } collector, emitter;
    std::array<QPointF, 3> arrowhead;
};

void drawBipolar(Sketch &sketch, const Bipolar &t)
{
    sketch.circle(t.circle[0], t.circle[1], t.circle[2], t.circle[3]);
    sketch.block(t.bar[0], t.bar[1], t.bar[2], t.bar[3]);
    sketch.block(t.base[0], t.base[1], t.bar[0] - 1, t.base[2]);
    for (const auto &lead : {t.collector, t.emitter}) {
        sketch.stroke({t.bar[2] + 0.5, qreal(lead.leaves)},
                      {qreal(t.leadColumn), qreal(lead.meets)});
        sketch.block(t.leadColumn, std::min(lead.meets, lead.end), t.leadColumn + 1,
                     std::max(lead.meets, lead.end));
    }
    sketch.solid({t.arrowhead[0], t.arrowhead[1], t.arrowhead[2]});
}

// A junction FET: the circle, the channel, the gate's lead from the left with its arrowhead, and
// drain and source, each a stub off the channel's right side and a vertical lead. An N-channel
// one has soft grey edges along its channel and a solid head pointing in; a P-channel one a
// hatched head pointing out. Boxes are x0, y0, x1, y1.
struct Jfet {
    bool nChannel;
    std::array<int, 4> circle, channel, gate;
    std::array<std::array<int, 4>, 4> legs; // drain stub and lead, source stub and lead
    std::array<QPointF, 3> arrowhead;
};

void drawJfet(Sketch &sketch, const Jfet &t)
{
    if (t.nChannel)
        sketch.block(t.channel[0] - 1, t.channel[1], t.channel[2] + 1, t.channel[3],
                     QColor(0x50, 0x50, 0x50));
    sketch.circle(t.circle[0], t.circle[1], t.circle[2], t.circle[3]);
    for (const auto &box : {t.channel, t.gate, t.legs[0], t.legs[1], t.legs[2], t.legs[3]})
        sketch.block(box[0], box[1], box[2], box[3]);
    if (t.nChannel)
        sketch.solid({t.arrowhead[0], t.arrowhead[1], t.arrowhead[2]});
    else
        sketch.hatched({t.arrowhead[0], t.arrowhead[1], t.arrowhead[2]});
}

} // namespace

QImage drawTransformers()
{
    Sketch sketch(201, 111);

    // Left: dashed core.
    drawWinding(sketch, {51, 52, 43, 52, 12, 80, {{{24, 35}, {35, 46}, {47, 57}, {58, 69}}}, 57});
    drawWinding(sketch, {74, 74, 74, 81, 12, 80, {{{24, 35}, {35, 46}, {47, 57}, {58, 69}}}, 68});
    const std::array<std::pair<int, int>, 7> dashes{
        {{12, 17}, {22, 28}, {34, 39}, {45, 50}, {57, 62}, {69, 74}, {78, 81}}};
    for (auto [top, bottom] : dashes) {
        sketch.block(60, top, 61, bottom, coreBlack);
        sketch.block(64, top, 65, bottom, coreBlack);
    }

    // Right: solid core.
    drawWinding(sketch,
                {132, 132, 124, 132, 13, 81, {{{24, 36}, {36, 47}, {48, 58}, {59, 70}}}, 138});
    drawWinding(sketch,
                {154, 155, 154, 162, 13, 81, {{{24, 36}, {36, 47}, {48, 58}, {59, 70}}}, 149});
    sketch.block(141, 13, 141, 82, QColor(0x23, 0x23, 0x23));
    sketch.block(145, 13, 145, 82, QColor(0x8B, 0x8B, 0x8B));
    sketch.block(146, 13, 146, 82, QColor(0x65, 0x65, 0x65));

    return sketch.finish(0x5EED0001, {{true, 4, 0, 200, {0x6B8093, 0x9BB0C3}},
                                      {true, 86, 0, 200, {0x455A6F, 0xBFD4E7}}});
}

QImage drawLightDiodes()
{
    Sketch sketch(262, 80);

    // Photodiode: light arrows pointing in.
    drawUpDiode(sketch, {37, 38, {18, 24}, {36, 45}, {32, 25, 44, 26}, 37.5, 27, 34, 32, 44});
    sketch.arrow({15, 14}, {24, 24});
    sketch.arrow({21, 8}, {31, 18});

    // Light-emitting diode: arrows pointing out.
    drawUpDiode(sketch, {106, 106, {21, 26}, {38, 47}, {100, 27, 112, 28}, 106, 29, 36, 100, 112});
    sketch.arrow({99, 24}, {90, 14});
    sketch.arrow({93, 29}, {83, 19});

    // Upright zener: the bar's right end bends down to the apex.
    drawUpDiode(sketch,
                {174, 175, {10, 17}, {37, 46}, {167, 18, 179, 19}, 174.5, 27, 35, 168, 180});
    sketch.stroke({178, 20}, {174.5, 27});

    // Lying zener: the bar's ends bent in opposite directions.
    sketch.block(207, 28, 218, 29);
    rightTriangle(sketch, 217, 23, 35, 226, 28.5);
    sketch.block(226, 23, 227, 35);
    sketch.stroke({226.5, 23}, {223, 21});
    sketch.stroke({226.5, 35}, {229, 36});
    sketch.block(228, 28, 234, 29);

    return sketch.finish(0x5EED0002, {{true, 2, 1, 261, {0xA8BDD0, 0x5D7285}},
                                      {true, 53, 0, 261, {0xC8D5DE, 0x465968, 0xDCEEFC}},
                                      {false, 69, 1, 79, {0x8B99A2, 0x83949C}},
                                      {false, 136, 2, 79, {0x9EB3C6, 0x657A8D}}});
}

QImage drawDiodes()
{
    Sketch sketch(141, 93);

    // Rectifier diode, pointing right.
    sketch.block(16, 26, 25, 27);
    rightTriangle(sketch, 26, 20, 32, 35, 26.5);
    sketch.block(35, 20, 36, 32);
    sketch.block(37, 26, 43, 27);

    // Varicap diode, pointing up, with a doubled bar.
    drawUpDiode(sketch, {101, 102, {13, 21}, {36, 45}, {95, 22, 108, 22}, 101.5, 27, 34, 95, 107});
    sketch.block(95, 25, 108, 26);

    return sketch.finish(0x5EED0003, {{true, 57, 0, 131, {0xDDEAF3, 0x40556A, 0xC4D9EC}},
                                      {true, 88, 1, 131, {0xA8BDD0, 0x5D7285}},
                                      {false, 69, 0, 90, {0x8B99A2, 0x83949C}}});
}

QImage drawTransistors()
{
    Sketch sketch(361, 86);

    // Unijunction: thin base bar, emitter with a hatched head pointing into the bar.
    sketch.circle(27, 12, 57, 41);
    sketch.block(38, 16, 38, 38);
    sketch.stroke({38, 21}, {50.5, 16});
    sketch.block(50, 3, 51, 16);
    sketch.stroke({38, 32}, {50.5, 38});
    sketch.block(50, 38, 51, 48);
    sketch.solid({{47, 38}, {51.4, 37.6}, {51.4, 40.4}});
    sketch.stroke({20, 9}, {34, 23});
    sketch.hatched({{37.8, 26.8}, {35.4, 19.6}, {30.6, 24.4}});

    // NPN, the arrow on its emitter pointing away from the bar; PNP, toward it.
    const Bipolar bipolars[] = {
        // clang-format off
        {{105, 12, 135, 41}, {114, 15, 116, 38}, {98, 27, 28}, 128, {21, 16, 2}, {32, 39, 48},
         {{{127.2, 38.4}, {120.7, 37.2}, {123.4, 33.0}}}},
        {{200, 10, 230, 39}, {212, 13, 214, 36}, {187, 25, 25}, 224, {18, 14, 1}, {29, 36, 48},
         {{{215.2, 28.6}, {218.6, 33.6}, {221.4, 29.8}}}},
        // clang-format on
    };
    for (const Bipolar &transistor : bipolars)
        drawBipolar(sketch, transistor);

    // N-channel and P-channel JFETs.
    const Jfet jfets[] = {
        // clang-format off
        {true, {283, 11, 312, 41}, {295, 14, 297, 37}, {272, 26, 293, 27},
         {{{299, 18, 303, 19}, {302, 7, 303, 19}, {299, 34, 303, 34}, {302, 34, 303, 45}}},
         {{{292.2, 26.5}, {287, 21}, {287, 32}}}},
        {false, {326, 11, 358, 40}, {343, 14, 346, 38}, {320, 26, 342, 26},
         {{{347, 18, 351, 19}, {351, 6, 351, 19}, {347, 34, 351, 34}, {351, 34, 351, 45}}},
         {{{333, 26}, {340.5, 21}, {340.5, 32}}}},
        // clang-format on
    };
    for (const Jfet &transistor : jfets)
        drawJfet(sketch, transistor);

    return sketch.finish(0x5EED0004, {{true, 52, 10, 360, {0x3D5772, 0xB9D3EC}},
                                      {false, 73, 1, 85, {0x8EA1B0, 0x738599}},
                                      {false, 168, 0, 85, {0xA2BCD5, 0x546E87}},
                                      {false, 262, 1, 85, {0xA3BDD6, 0x536D86}}});
}
