#include "generators/diagrams/diagrams.h"
#include "generators/pictures/bmp.h"

#include <QImage>
#include <QTest>
#include <algorithm>
#include <climits>

// The drawings, checked through an independent BMP decoder at points taken from the circuit tables.

namespace {

enum Picture { Mono, Astable };

// Role colours.
constexpr QRgb ground = qRgb(255, 255, 255);
constexpr QRgb wire = qRgb(25, 80, 22);
constexpr QRgb part = qRgb(55, 10, 14);
constexpr QRgb label = qRgb(0, 0, 0);
constexpr QRgb fill = qRgb(173, 173, 173);
constexpr QRgb knob = qRgb(112, 8, 18);
constexpr QRgb rule = qRgb(236, 233, 216);

const QImage& picture(int which) {
    static const QImage images[2] = {
        [] {
            const auto bytes = diagrams::encodeBmp(diagrams::draw(diagrams::monostable()));
            return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
        }(),
        [] {
            const auto bytes = diagrams::encodeBmp(diagrams::draw(diagrams::astable()));
            return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
        }(),
    };
    return images[which];
}

QString rgb(QRgb c) {
    return QStringLiteral("%1,%2,%3").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

struct Sample {
    const char* what;
    int x, y;
    QRgb colour;
};

// The timer block at its monostable place; the astable one lies 6 pixels left and 1 lower.
const Sample timer[] = {
    {"body corner top left", 130, 112, part},
    {"body corner bottom right", 190, 212, part},
    {"body corner top right", 190, 112, part},
    {"body corner bottom left", 130, 212, part},
    {"body fill inside the outline", 131, 113, fill},
    {"body fill", 189, 211, fill},
    {"body fill middle", 175, 175, fill},
    {"left of body", 129, 140, ground},
    {"right of body", 191, 170, ground},
    {"pin 8 tip", 160, 92, part},
    {"pin 8 at body", 160, 111, part},
    {"pin 8 one wide, left", 159, 105, ground},
    {"pin 8 one wide, right", 161, 105, ground},
    {"pin 1 at body", 160, 213, part},
    {"pin 1 tip", 160, 229, part},
    {"pin 1 one wide", 161, 220, ground},
    {"pin 4 tip", 110, 121, part},
    {"pin 4 at ring", 123, 122, part},
    {"pin 4 two rows, above", 112, 120, ground},
    {"pin 4 two rows, below", 112, 123, ground},
    {"ring top", 127, 118, part},
    {"ring bottom", 128, 125, part},
    {"ring left", 124, 121, part},
    {"ring open inside", 127, 121, ground},
    {"ring open inside at body edge", 129, 122, ground},
    {"pin 5 tip", 110, 161, part},
    {"pin 5 at body", 129, 162, part},
    {"pin 5 ends open", 109, 161, ground},
    {"pin 5 ends open, lower row", 109, 162, ground},
    {"pin 5 has no wire", 100, 161, ground},
    {"pin 2 tip", 110, 201, part},
    {"pin 2 at body", 129, 202, part},
    {"pin 3 at body", 191, 121, part},
    {"pin 3 tip", 208, 122, part},
    {"pin 7 at body", 191, 141, part},
    {"pin 7 tip", 208, 142, part},
    {"pin 6 at body", 191, 201, part},
    {"pin 6 tip", 208, 202, part},
    {"right stubs two rows, above", 200, 120, ground},
    {"right stubs two rows, below", 200, 123, ground},
};

const Sample mono[] = {
    {"triangle apex", 160, 21, wire},
    {"triangle base left", 155, 31, wire},
    {"triangle base right", 165, 32, wire},
    {"triangle base ends left", 154, 31, ground},
    {"triangle base ends right", 166, 32, ground},
    {"triangle open left", 158, 29, ground},
    {"triangle open right", 162, 29, ground},
    {"supply wire in triangle", 160, 26, wire},
    {"supply wire", 160, 45, wire},
    {"supply wire one wide", 161, 45, ground},
    {"dot (160,61)", 160, 61, wire},
    {"dot (160,61) left", 158, 61, wire},
    {"nothing left of dot (160,61)", 157, 61, ground},
    {"dot (160,81) top", 161, 79, wire},
    {"nothing right of dot (160,81)", 163, 81, ground},
    {"R1 feed", 180, 61, wire},
    {"R1 feed lower row", 199, 62, wire},
    {"R1 feed two rows", 180, 63, ground},
    {"R1 left lead", 200, 61, part},
    {"R1 left lead at body", 208, 62, part},
    {"R1 left lead two rows", 205, 60, ground},
    {"R1 body top left", 209, 57, part},
    {"R1 body bottom right", 241, 66, part},
    {"R1 outline two thick", 210, 58, part},
    {"R1 fill", 211, 59, fill},
    {"R1 fill middle", 225, 61, fill},
    {"above R1", 225, 56, ground},
    {"below R1", 225, 67, ground},
    {"R1 right lead", 242, 61, part},
    {"R1 right lead end", 251, 62, part},
    {"timing line from R1", 252, 61, wire},
    {"timing line corner", 260, 62, wire},
    {"timing line down", 260, 100, wire},
    {"timing line one wide, left", 259, 100, ground},
    {"timing line one wide, right", 261, 100, ground},
    {"nothing right of timing corner", 261, 61, ground},
    {"dot (260,142)", 262, 142, wire},
    {"dot (260,142) left", 258, 142, wire},
    {"timing line above C1", 260, 163, wire},
    {"C1 upper lead", 260, 164, part},
    {"C1 upper lead at plate", 260, 177, part},
    {"C1 upper plate left", 250, 178, part},
    {"C1 upper plate right", 270, 179, part},
    {"C1 lower plate left", 250, 184, part},
    {"C1 lower plate right", 270, 185, part},
    {"C1 plates apart", 260, 181, ground},
    {"C1 plates apart, side", 255, 182, ground},
    {"C1 plate ends", 249, 178, ground},
    {"C1 plate ends right", 271, 185, ground},
    {"C1 lower lead", 260, 186, part},
    {"C1 lower lead end", 260, 203, part},
    {"C1 to ground", 260, 204, wire},
    {"C1 to ground corner", 260, 252, wire},
    {"C1 ground line ends", 261, 251, ground},
    {"C1 ground line", 200, 251, wire},
    {"C1 ground line lower row", 200, 252, wire},
    {"C1 ground line two rows", 200, 253, ground},
    {"dot (160,252)", 158, 252, wire},
    {"reset wire", 130, 81, wire},
    {"reset wire corner", 100, 82, wire},
    {"reset wire ends at corner", 99, 81, ground},
    {"reset wire down", 100, 100, wire},
    {"reset wire one wide", 101, 100, ground},
    {"reset into pin 4", 105, 121, wire},
    {"reset meets stub", 109, 122, wire},
    {"reset wire below corner", 100, 125, ground},
    {"output from pin 3", 213, 121, wire},
    {"output", 250, 122, wire},
    {"output crossing", 260, 121, wire},
    {"crossing without dot, up left", 259, 120, ground},
    {"crossing without dot, up right", 261, 120, ground},
    {"crossing without dot, down left", 259, 123, ground},
    {"crossing without dot, down right", 261, 123, ground},
    {"output dot", 292, 121, wire},
    {"output ends at dot", 293, 121, ground},
    {"pin 7 wire", 213, 141, wire},
    {"pin 7 wire to timing line", 255, 142, wire},
    {"pin 7 wire ends", 263, 142, ground},
    {"dot (220,142) top", 220, 140, wire},
    {"dot (220,142) bottom", 221, 144, wire},
    {"pin 6 wire", 213, 201, wire},
    {"pin 6 wire corner", 220, 202, wire},
    {"pin 6 wire ends", 221, 201, ground},
    {"pin 6 up", 220, 170, wire},
    {"pin 6 up one wide, left", 219, 170, ground},
    {"pin 6 up one wide, right", 221, 170, ground},
    {"trigger dot", 38, 202, wire},
    {"nothing left of trigger dot", 37, 202, ground},
    {"trigger wire", 70, 201, wire},
    {"trigger wire into pin 2", 109, 202, wire},
    {"dot (100,202)", 100, 204, wire},
    {"dot (100,202) left", 98, 202, wire},
    {"ground wire", 160, 230, wire},
    {"ground wire low", 160, 290, wire},
    {"dot (160,272)", 162, 272, wire},
    {"ground bar 1 left", 150, 301, wire},
    {"ground bar 1 right", 170, 302, wire},
    {"ground bar 1 ends left", 149, 301, ground},
    {"ground bar 1 ends right", 171, 302, ground},
    {"ground bar 2 left", 155, 306, wire},
    {"ground bar 2 right", 165, 307, wire},
    {"ground bar 2 ends", 154, 306, ground},
    {"ground bar 3 left", 158, 311, wire},
    {"ground bar 3 right", 161, 312, wire},
    {"ground bar 3 ends left", 157, 311, ground},
    {"ground bar 3 ends right", 162, 312, ground},
    {"ground wire ends", 160, 303, ground},
    {"between ground bars", 160, 309, ground},
    {"below ground bars", 160, 314, ground},
    {"button wire", 100, 210, wire},
    {"button wire end", 100, 216, wire},
    {"button upper lead", 100, 217, part},
    {"button upper lead end", 100, 226, part},
    {"upper contact top", 100, 227, part},
    {"upper contact left", 97, 230, part},
    {"upper contact right", 103, 230, part},
    {"upper contact open", 100, 230, ground},
    {"contacts apart", 100, 242, ground},
    {"lower contact left", 97, 254, part},
    {"lower contact open", 100, 254, ground},
    {"lower contact bottom", 100, 257, part},
    {"button lower lead", 100, 258, part},
    {"button lower lead end", 100, 268, part},
    {"button wire down", 100, 269, wire},
    {"button wire corner", 100, 272, wire},
    {"button wire to ground", 130, 271, wire},
    {"button wire lower row", 130, 272, wire},
    {"button wire two rows", 130, 273, ground},
    {"plunger top", 92, 227, part},
    {"plunger bottom", 92, 256, part},
    {"plunger below bar", 92, 253, part},
    {"plunger ends", 92, 257, ground},
    {"bar", 87, 233, fill},
    {"bar on plunger", 92, 250, fill},
    {"left of bar", 86, 240, ground},
    {"right of bar", 93, 240, ground},
    {"knob middle", 90, 221, knob},
    {"knob left", 86, 221, knob},
    {"knob right", 94, 222, knob},
    {"knob top", 90, 218, knob},
    {"knob bottom", 90, 225, knob},
    {"beside knob", 85, 221, ground},
    {"above knob", 90, 217, ground},
    {"box left dash 1", 80, 211, part},
    {"box left dash 1 end", 80, 222, part},
    {"box left gap 1", 80, 223, ground},
    {"box left gap 1 end", 80, 230, ground},
    {"box left dash 2", 80, 231, part},
    {"box left dash 2 end", 80, 242, part},
    {"box left gap 2", 80, 247, ground},
    {"box left dash 3", 80, 252, part},
    {"box left dash 3 end", 80, 262, part},
    {"box right dash 1", 120, 211, part},
    {"box right gap 1", 120, 226, ground},
    {"box right dash 2", 120, 242, part},
    {"box right gap 2", 120, 245, ground},
    {"box right dash 3", 120, 262, part},
    {"box top", 89, 211, part},
    {"box top end", 110, 212, part},
    {"box top open corner left", 85, 211, ground},
    {"box top open corner right", 115, 211, ground},
    {"box bottom", 90, 261, part},
    {"box bottom end", 111, 262, part},
    {"box bottom open corner left", 85, 262, ground},
    {"box bottom open corner right", 116, 262, ground},
};

const Sample astable[] = {
    {"triangle apex", 154, 12, wire},
    {"triangle base left", 149, 22, wire},
    {"triangle base right", 159, 23, wire},
    {"triangle base ends left", 148, 22, ground},
    {"triangle base ends right", 160, 23, ground},
    {"triangle open", 152, 20, ground},
    {"supply wire", 154, 40, wire},
    {"dot (154,52)", 154, 50, wire},
    {"supply bar left", 94, 52, wire},
    {"supply bar right", 244, 53, wire},
    {"supply bar ends left", 93, 52, ground},
    {"supply bar ends right", 245, 52, ground},
    {"supply bar two rows", 120, 54, ground},
    {"reset wire", 94, 100, wire},
    {"reset wire one wide", 95, 100, ground},
    {"reset into pin 4", 103, 123, wire},
    {"reset wire ends at corner", 94, 124, ground},
    {"R1 feed", 244, 61, wire},
    {"R1 upper lead", 244, 62, part},
    {"R1 upper lead at body", 244, 71, part},
    {"R1 lead one wide", 243, 66, ground},
    {"R1 body top left", 240, 72, part},
    {"R1 body bottom right", 248, 103, part},
    {"R1 outline two thick", 241, 73, part},
    {"R1 fill", 244, 88, fill},
    {"R1 fill at side", 242, 80, fill},
    {"left of R1", 239, 88, ground},
    {"right of R1", 249, 88, ground},
    {"R1 lower lead", 244, 104, part},
    {"R1 lower lead end", 244, 114, part},
    {"discharge node", 244, 115, wire},
    {"discharge node low", 244, 150, wire},
    {"dot (244,142)", 246, 142, wire},
    {"pin 7 wire", 207, 142, wire},
    {"pin 7 wire lower row", 207, 143, wire},
    {"pin 7 wire two rows", 225, 144, ground},
    {"R2 upper lead", 244, 151, part},
    {"R2 upper lead at body", 244, 162, part},
    {"R2 body top left", 240, 163, part},
    {"R2 body bottom right", 248, 193, part},
    {"R2 fill", 244, 178, fill},
    {"R2 lower lead", 244, 194, part},
    {"R2 lower lead end", 244, 204, part},
    {"threshold node", 244, 205, wire},
    {"threshold row", 240, 213, wire},
    {"threshold row one thick, below", 240, 214, ground},
    {"threshold row one thick, above", 240, 212, ground},
    {"dot (234,213)", 234, 215, wire},
    {"pin 6 wire", 207, 202, wire},
    {"pin 6 wire lower row", 220, 203, wire},
    {"pin 6 wire ends", 235, 202, ground},
    {"x 234 down", 234, 230, wire},
    {"x 234 one wide", 235, 230, ground},
    {"loop corner", 234, 243, wire},
    {"loop", 200, 243, wire},
    {"loop one thick, below", 200, 244, ground},
    {"loop one thick, above", 200, 242, ground},
    {"loop corner left", 94, 243, wire},
    {"loop ends at corner", 93, 243, ground},
    {"loop up", 94, 220, wire},
    {"loop crossing", 154, 243, wire},
    {"crossing without dot, up left", 153, 242, ground},
    {"crossing without dot, up right", 155, 242, ground},
    {"crossing without dot, down left", 153, 244, ground},
    {"crossing without dot, down right", 155, 244, ground},
    {"pin 2 line from C1", 76, 202, wire},
    {"pin 2 line lower row", 76, 203, wire},
    {"pin 2 line into stub", 103, 203, wire},
    {"dot (94,203)", 94, 205, wire},
    {"C1 left plate top", 51, 192, part},
    {"C1 left plate bottom", 51, 213, part},
    {"C1 right plate top", 57, 192, part},
    {"C1 right plate bottom", 57, 213, part},
    {"C1 plates apart", 54, 202, ground},
    {"C1 plates apart, near left", 52, 202, ground},
    {"C1 plates apart, near right", 56, 203, ground},
    {"C1 plate ends", 51, 191, ground},
    {"C1 plate ends below", 57, 214, ground},
    {"C1 plates one wide", 50, 195, ground},
    {"C1 left lead", 36, 202, part},
    {"C1 left lead at plate", 50, 203, part},
    {"C1 right lead at plate", 58, 202, part},
    {"C1 right lead", 71, 203, part},
    {"C1 return", 24, 202, wire},
    {"C1 return lower row", 32, 203, wire},
    {"C1 return down", 24, 240, wire},
    {"C1 return one wide", 25, 240, ground},
    {"C1 return corner", 24, 263, wire},
    {"C1 return row", 100, 263, wire},
    {"C1 return one thick", 100, 264, ground},
    {"dot (154,263)", 156, 263, wire},
    {"output from pin 3", 207, 122, wire},
    {"output", 270, 123, wire},
    {"output crossing", 244, 122, wire},
    {"crossing without dot, up left", 243, 121, ground},
    {"crossing without dot, up right", 245, 121, ground},
    {"crossing without dot, down left", 243, 124, ground},
    {"crossing without dot, down right", 245, 124, ground},
    {"output dot", 306, 123, wire},
    {"output ends at dot", 307, 123, ground},
    {"ground wire", 154, 231, wire},
    {"ground wire low", 154, 290, wire},
    {"ground bar 1 left", 144, 302, wire},
    {"ground bar 1 right", 164, 303, wire},
    {"ground bar 1 ends", 143, 302, ground},
    {"ground bar 1 ends right", 165, 303, ground},
    {"ground bar 2 left", 149, 307, wire},
    {"ground bar 2 right", 159, 308, wire},
    {"ground bar 2 ends", 148, 307, ground},
    {"ground bar 3 left", 153, 312, wire},
    {"ground bar 3 right", 155, 313, wire},
    {"ground bar 3 ends left", 152, 312, ground},
    {"ground bar 3 ends right", 156, 312, ground},
    {"ground wire ends", 154, 304, ground},
    {"below ground bars", 154, 315, ground},
};

struct TextBox {
    Picture picture;
    const char* what;
    int x0, y0, x1, y1;
    QRgb colour;
    int size; // ink rows of the text, or columns when it reads upward
    bool upward;
};

const TextBox texts[] = {
    {Mono, "5-15V", 168, 17, 192, 24, part, 7, false},
    {Mono, "R1", 211, 46, 222, 54, label, 9, false},
    {Mono, "C1", 277, 174, 289, 182, label, 9, false},
    {Mono, "Izlaz", 271, 108, 289, 115, part, 7, false},
    {Mono, "Trigger", 24, 188, 56, 197, part, 9, false},
    {Mono, "Monostabil", 9, 116, 90, 127, part, 12, false},
    {Mono, "note", 11, 319, 307, 327, part, 9, false},
    {Mono, "U2", 192, 90, 206, 98, label, 9, false},
    {Mono, "NE555", 191, 224, 214, 229, label, 5, false},
    {Mono, "VCC", 157, 116, 164, 135, label, 7, true},
    {Mono, "GND", 157, 189, 164, 207, label, 7, true},
    {Mono, "8", 153, 98, 158, 101, label, 5, true},
    {Mono, "1", 153, 223, 158, 225, label, 5, true},
    {Mono, "4", 116, 114, 119, 120, label, 5, false},
    {Mono, "5", 116, 154, 119, 160, label, 5, false},
    {Mono, "2", 116, 194, 119, 200, label, 5, false},
    {Mono, "3", 201, 114, 203, 120, label, 5, false},
    {Mono, "7", 201, 134, 203, 140, label, 5, false},
    {Mono, "6", 201, 194, 203, 200, label, 5, false},
    {Astable, "5-15V", 162, 9, 186, 15, part, 7, false},
    {Astable, "R1", 255, 75, 266, 83, label, 9, false},
    {Astable, "R2", 255, 165, 268, 173, label, 9, false},
    {Astable, "C1", 44, 180, 56, 189, label, 9, false},
    {Astable, "Izlaz", 295, 109, 313, 116, part, 7, false},
    {Astable, "Astabil", 17, 117, 69, 128, part, 12, false},
    {Astable, "U1", 186, 91, 197, 99, label, 9, false},
    {Astable, "NE555", 185, 225, 208, 230, label, 5, false},
    {Astable, "VCC", 151, 117, 158, 136, label, 7, true},
    {Astable, "GND", 151, 190, 158, 208, label, 7, true},
    {Astable, "8", 147, 99, 152, 102, label, 5, true},
    {Astable, "1", 147, 224, 152, 226, label, 5, true},
};

// Every junction and terminal dot, by its centre. A disc five pixels across reaches two pixels out
// on each side of its centre, and not its corners.
struct Dot {
    Picture which;
    int x, y;
};
const Dot dots[] = {
    {Mono, 160, 61},     {Mono, 160, 81},     {Mono, 260, 142},   {Mono, 290, 121},    {Mono, 220, 142},
    {Mono, 40, 202},     {Mono, 100, 202},    {Mono, 160, 252},   {Mono, 160, 272},    {Astable, 154, 52},
    {Astable, 244, 142}, {Astable, 234, 213}, {Astable, 94, 203}, {Astable, 154, 263}, {Astable, 304, 123},
};

} // namespace

class tst_Geometry : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pixels_data();
    void pixels();
    void textStaysInItsBox_data();
    void textStaysInItsBox();
    void pinNames_data();
    void pinNames();
    void outerMarginIsWhite_data();
    void outerMarginIsWhite();
    void ruleUnderTheNote();
    void dotsAreWholeDiscs_data();
    void dotsAreWholeDiscs();
};

void tst_Geometry::initTestCase() {
    QCOMPARE(picture(Mono).size(), QSize(329, 342));
    QCOMPARE(picture(Astable).size(), QSize(329, 328));
}

void tst_Geometry::pixels_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("colour");
    const auto add = [](int which, const char* prefix, const Sample& s, int dx, int dy) {
        QTest::addRow("%s%s (%d,%d)", prefix, s.what, s.x + dx, s.y + dy)
            << which << s.x + dx << s.y + dy << rgb(s.colour);
    };
    for (const Sample& s : timer) {
        add(Mono, "mono timer: ", s, 0, 0);
        add(Astable, "astable timer: ", s, -6, 1);
    }
    for (const Sample& s : mono)
        add(Mono, "mono: ", s, 0, 0);
    for (const Sample& s : astable)
        add(Astable, "astable: ", s, 0, 0);
}

void tst_Geometry::pixels() {
    QFETCH(int, which);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, colour);
    QCOMPARE(rgb(picture(which).pixel(x, y)), colour);
}

void tst_Geometry::textStaysInItsBox_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(texts)); ++i)
        QTest::addRow("%s %s", texts[i].picture == Mono ? "mono" : "astable", texts[i].what) << i;
}

// All ink of the text's colour near the box lies inside it, and the letters have their size.
void tst_Geometry::textStaysInItsBox() {
    QFETCH(int, index);
    const TextBox& t = texts[index];
    const QImage& image = picture(t.picture);
    constexpr int margin = 2;
    int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
    for (int y = t.y0 - margin; y <= t.y1 + margin; ++y) {
        for (int x = t.x0 - margin; x <= t.x1 + margin; ++x) {
            if (image.pixel(x, y) != t.colour)
                continue;
            const bool inside = x >= t.x0 && x <= t.x1 && y >= t.y0 && y <= t.y1;
            QVERIFY2(inside, qPrintable(QStringLiteral("ink outside the box at (%1,%2)").arg(x).arg(y)));
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    QVERIFY2(left != INT_MAX, "no ink in the box");
    QCOMPARE(t.upward ? right - left + 1 : bottom - top + 1, t.size);
}

void tst_Geometry::pinNames_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("pinRow");
    QTest::addColumn<bool>("left");
    const struct {
        const char* name;
        int row;
        bool left;
    } pins[] = {{"R", 121, true},  {"CV", 161, true},  {"TR", 201, true},
                {"Q", 121, false}, {"DC", 141, false}, {"TH", 201, false}};
    for (const auto& pin : pins) {
        QTest::addRow("mono %s", pin.name) << int(Mono) << pin.row << pin.left;
        QTest::addRow("astable %s", pin.name) << int(Astable) << pin.row + 1 << pin.left;
    }
}

// Names on the left start at x 135, those on the right end at x 183 to 186 (astable: 6 further left).
void tst_Geometry::pinNames() {
    QFETCH(int, which);
    QFETCH(int, pinRow);
    QFETCH(bool, left);
    const int dx = which == Astable ? -6 : 0;
    int first = INT_MAX, last = INT_MIN;
    const int x0 = (left ? 131 : 165) + dx, x1 = (left ? 155 : 189) + dx;
    for (int y = pinRow - 6; y <= pinRow + 6; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (picture(which).pixel(x, y) == label) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    QVERIFY2(first != INT_MAX, "no pin name by the pin");
    if (left)
        QCOMPARE(first, 135 + dx);
    else
        QVERIFY2(last >= 183 + dx && last <= 186 + dx, qPrintable(QStringLiteral("ends at x %1").arg(last)));
}

void tst_Geometry::outerMarginIsWhite_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QRect>("area");
    // Nothing is drawn from column 314 on, so a picture box that cuts the right edge loses only ground.
    QTest::newRow("mono right") << int(Mono) << QRect(QPoint(314, 0), QPoint(328, 332));
    QTest::newRow("mono bottom, above the rule") << int(Mono) << QRect(QPoint(0, 333), QPoint(328, 337));
    QTest::newRow("mono bottom, below the rule") << int(Mono) << QRect(QPoint(0, 339), QPoint(328, 341));
    QTest::newRow("astable right") << int(Astable) << QRect(QPoint(314, 0), QPoint(328, 327));
    QTest::newRow("astable bottom") << int(Astable) << QRect(QPoint(0, 318), QPoint(328, 327));
}

void tst_Geometry::outerMarginIsWhite() {
    QFETCH(int, which);
    QFETCH(QRect, area);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (picture(which).pixel(x, y) != ground) {
                QFAIL(qPrintable(
                    QStringLiteral("(%1,%2) is %3").arg(x).arg(y).arg(rgb(picture(which).pixel(x, y)))));
            }
        }
    }
}

void tst_Geometry::ruleUnderTheNote() {
    const QImage& image = picture(Mono);
    for (int x = 0; x < image.width(); ++x) {
        const QRgb expected = x >= 5 && x <= 317 ? rule : ground;
        QCOMPARE(rgb(image.pixel(x, 338)), rgb(expected));
    }
}

void tst_Geometry::dotsAreWholeDiscs_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    for (const Dot& d : dots)
        QTest::addRow("%s (%d,%d)", d.which == Mono ? "mono" : "astable", d.x, d.y)
            << int(d.which) << d.x << d.y;
}

// Samples every dot at its rim and its inner diagonals, some of which lie off any wire through it,
// so a dot left out shows; and its corners stay ground, so a dot moved along its wire shows.
void tst_Geometry::dotsAreWholeDiscs() {
    QFETCH(int, which);
    QFETCH(int, x);
    QFETCH(int, y);
    const QImage& image = picture(which);
    for (const QPoint& p :
         {QPoint(x - 2, y), QPoint(x + 2, y), QPoint(x, y - 2), QPoint(x, y + 2), QPoint(x - 1, y - 1),
          QPoint(x + 1, y - 1), QPoint(x - 1, y + 1), QPoint(x + 1, y + 1)})
        QVERIFY2(image.pixel(p) == wire,
                 qPrintable(QStringLiteral("(%1,%2) is %3").arg(p.x()).arg(p.y()).arg(rgb(image.pixel(p)))));
    for (const QPoint& p :
         {QPoint(x - 2, y - 2), QPoint(x + 2, y - 2), QPoint(x - 2, y + 2), QPoint(x + 2, y + 2)})
        QVERIFY2(image.pixel(p) == ground,
                 qPrintable(
                     QStringLiteral("corner (%1,%2) is %3").arg(p.x()).arg(p.y()).arg(rgb(image.pixel(p)))));
}

QTEST_GUILESS_MAIN(tst_Geometry)
#include "tst_geometry.moc"
