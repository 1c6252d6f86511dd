#include "pictures/bmp.h"
#include "window/diagrams/diagrams.h"

#include <QImage>
#include <QTest>
#include <algorithm>
#include <climits>

// The drawings, checked through an independent BMP decoder at points taken from the circuit tables.

namespace {

enum Picture { Mono, Astable };

// Role colours.
constexpr QRgb kGround = qRgb(255, 255, 255);
constexpr QRgb kWire = qRgb(25, 80, 22);
constexpr QRgb kPart = qRgb(55, 10, 14);
constexpr QRgb kLabel = qRgb(0, 0, 0);
constexpr QRgb kFill = qRgb(173, 173, 173);
constexpr QRgb kKnob = qRgb(112, 8, 18);
constexpr QRgb kRule = qRgb(236, 233, 216);

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
const Sample kTimer[] = {
    {"body corner top left", 130, 112, kPart},
    {"body corner bottom right", 190, 212, kPart},
    {"body corner top right", 190, 112, kPart},
    {"body corner bottom left", 130, 212, kPart},
    {"body fill inside the outline", 131, 113, kFill},
    {"body fill", 189, 211, kFill},
    {"body fill middle", 175, 175, kFill},
    {"left of body", 129, 140, kGround},
    {"right of body", 191, 170, kGround},
    {"pin 8 tip", 160, 92, kPart},
    {"pin 8 at body", 160, 111, kPart},
    {"pin 8 one wide, left", 159, 105, kGround},
    {"pin 8 one wide, right", 161, 105, kGround},
    {"pin 1 at body", 160, 213, kPart},
    {"pin 1 tip", 160, 229, kPart},
    {"pin 1 one wide", 161, 220, kGround},
    {"pin 4 tip", 110, 121, kPart},
    {"pin 4 at ring", 123, 122, kPart},
    {"pin 4 two rows, above", 112, 120, kGround},
    {"pin 4 two rows, below", 112, 123, kGround},
    {"ring top", 127, 118, kPart},
    {"ring bottom", 128, 125, kPart},
    {"ring left", 124, 121, kPart},
    {"ring open inside", 127, 121, kGround},
    {"ring open inside at body edge", 129, 122, kGround},
    {"pin 5 tip", 110, 161, kPart},
    {"pin 5 at body", 129, 162, kPart},
    {"pin 5 ends open", 109, 161, kGround},
    {"pin 5 ends open, lower row", 109, 162, kGround},
    {"pin 5 has no wire", 100, 161, kGround},
    {"pin 2 tip", 110, 201, kPart},
    {"pin 2 at body", 129, 202, kPart},
    {"pin 3 at body", 191, 121, kPart},
    {"pin 3 tip", 208, 122, kPart},
    {"pin 7 at body", 191, 141, kPart},
    {"pin 7 tip", 208, 142, kPart},
    {"pin 6 at body", 191, 201, kPart},
    {"pin 6 tip", 208, 202, kPart},
    {"right stubs two rows, above", 200, 120, kGround},
    {"right stubs two rows, below", 200, 123, kGround},
};

const Sample kMono[] = {
    {"triangle apex", 160, 21, kWire},
    {"triangle base left", 155, 31, kWire},
    {"triangle base right", 165, 32, kWire},
    {"triangle base ends left", 154, 31, kGround},
    {"triangle base ends right", 166, 32, kGround},
    {"triangle open left", 158, 29, kGround},
    {"triangle open right", 162, 29, kGround},
    {"supply wire in triangle", 160, 26, kWire},
    {"supply wire", 160, 45, kWire},
    {"supply wire one wide", 161, 45, kGround},
    {"dot (160,61)", 160, 61, kWire},
    {"dot (160,61) left", 158, 61, kWire},
    {"nothing left of dot (160,61)", 157, 61, kGround},
    {"dot (160,81) top", 161, 79, kWire},
    {"nothing right of dot (160,81)", 163, 81, kGround},
    {"R1 feed", 180, 61, kWire},
    {"R1 feed lower row", 199, 62, kWire},
    {"R1 feed two rows", 180, 63, kGround},
    {"R1 left lead", 200, 61, kPart},
    {"R1 left lead at body", 208, 62, kPart},
    {"R1 left lead two rows", 205, 60, kGround},
    {"R1 body top left", 209, 57, kPart},
    {"R1 body bottom right", 241, 66, kPart},
    {"R1 outline two thick", 210, 58, kPart},
    {"R1 fill", 211, 59, kFill},
    {"R1 fill middle", 225, 61, kFill},
    {"above R1", 225, 56, kGround},
    {"below R1", 225, 67, kGround},
    {"R1 right lead", 242, 61, kPart},
    {"R1 right lead end", 251, 62, kPart},
    {"timing line from R1", 252, 61, kWire},
    {"timing line corner", 260, 62, kWire},
    {"timing line down", 260, 100, kWire},
    {"timing line one wide, left", 259, 100, kGround},
    {"timing line one wide, right", 261, 100, kGround},
    {"nothing right of timing corner", 261, 61, kGround},
    {"dot (260,142)", 262, 142, kWire},
    {"dot (260,142) left", 258, 142, kWire},
    {"timing line above C1", 260, 163, kWire},
    {"C1 upper lead", 260, 164, kPart},
    {"C1 upper lead at plate", 260, 177, kPart},
    {"C1 upper plate left", 250, 178, kPart},
    {"C1 upper plate right", 270, 179, kPart},
    {"C1 lower plate left", 250, 184, kPart},
    {"C1 lower plate right", 270, 185, kPart},
    {"C1 plates apart", 260, 181, kGround},
    {"C1 plates apart, side", 255, 182, kGround},
    {"C1 plate ends", 249, 178, kGround},
    {"C1 plate ends right", 271, 185, kGround},
    {"C1 lower lead", 260, 186, kPart},
    {"C1 lower lead end", 260, 203, kPart},
    {"C1 to ground", 260, 204, kWire},
    {"C1 to ground corner", 260, 252, kWire},
    {"C1 ground line ends", 261, 251, kGround},
    {"C1 ground line", 200, 251, kWire},
    {"C1 ground line lower row", 200, 252, kWire},
    {"C1 ground line two rows", 200, 253, kGround},
    {"dot (160,252)", 158, 252, kWire},
    {"reset wire", 130, 81, kWire},
    {"reset wire corner", 100, 82, kWire},
    {"reset wire ends at corner", 99, 81, kGround},
    {"reset wire down", 100, 100, kWire},
    {"reset wire one wide", 101, 100, kGround},
    {"reset into pin 4", 105, 121, kWire},
    {"reset meets stub", 109, 122, kWire},
    {"reset wire below corner", 100, 125, kGround},
    {"output from pin 3", 213, 121, kWire},
    {"output", 250, 122, kWire},
    {"output crossing", 260, 121, kWire},
    {"crossing without dot, up left", 259, 120, kGround},
    {"crossing without dot, up right", 261, 120, kGround},
    {"crossing without dot, down left", 259, 123, kGround},
    {"crossing without dot, down right", 261, 123, kGround},
    {"output dot", 292, 121, kWire},
    {"output ends at dot", 293, 121, kGround},
    {"pin 7 wire", 213, 141, kWire},
    {"pin 7 wire to timing line", 255, 142, kWire},
    {"pin 7 wire ends", 263, 142, kGround},
    {"dot (220,142) top", 220, 140, kWire},
    {"dot (220,142) bottom", 221, 144, kWire},
    {"pin 6 wire", 213, 201, kWire},
    {"pin 6 wire corner", 220, 202, kWire},
    {"pin 6 wire ends", 221, 201, kGround},
    {"pin 6 up", 220, 170, kWire},
    {"pin 6 up one wide, left", 219, 170, kGround},
    {"pin 6 up one wide, right", 221, 170, kGround},
    {"trigger dot", 38, 202, kWire},
    {"nothing left of trigger dot", 37, 202, kGround},
    {"trigger wire", 70, 201, kWire},
    {"trigger wire into pin 2", 109, 202, kWire},
    {"dot (100,202)", 100, 204, kWire},
    {"dot (100,202) left", 98, 202, kWire},
    {"ground wire", 160, 230, kWire},
    {"ground wire low", 160, 290, kWire},
    {"dot (160,272)", 162, 272, kWire},
    {"ground bar 1 left", 150, 301, kWire},
    {"ground bar 1 right", 170, 302, kWire},
    {"ground bar 1 ends left", 149, 301, kGround},
    {"ground bar 1 ends right", 171, 302, kGround},
    {"ground bar 2 left", 155, 306, kWire},
    {"ground bar 2 right", 165, 307, kWire},
    {"ground bar 2 ends", 154, 306, kGround},
    {"ground bar 3 left", 158, 311, kWire},
    {"ground bar 3 right", 161, 312, kWire},
    {"ground bar 3 ends left", 157, 311, kGround},
    {"ground bar 3 ends right", 162, 312, kGround},
    {"ground wire ends", 160, 303, kGround},
    {"between ground bars", 160, 309, kGround},
    {"below ground bars", 160, 314, kGround},
    {"button wire", 100, 210, kWire},
    {"button wire end", 100, 216, kWire},
    {"button upper lead", 100, 217, kPart},
    {"button upper lead end", 100, 226, kPart},
    {"upper contact top", 100, 227, kPart},
    {"upper contact left", 97, 230, kPart},
    {"upper contact right", 103, 230, kPart},
    {"upper contact open", 100, 230, kGround},
    {"contacts apart", 100, 242, kGround},
    {"lower contact left", 97, 254, kPart},
    {"lower contact open", 100, 254, kGround},
    {"lower contact bottom", 100, 257, kPart},
    {"button lower lead", 100, 258, kPart},
    {"button lower lead end", 100, 268, kPart},
    {"button wire down", 100, 269, kWire},
    {"button wire corner", 100, 272, kWire},
    {"button wire to ground", 130, 271, kWire},
    {"button wire lower row", 130, 272, kWire},
    {"button wire two rows", 130, 273, kGround},
    {"plunger top", 92, 227, kPart},
    {"plunger bottom", 92, 256, kPart},
    {"plunger below bar", 92, 253, kPart},
    {"plunger ends", 92, 257, kGround},
    {"bar", 87, 233, kFill},
    {"bar on plunger", 92, 250, kFill},
    {"left of bar", 86, 240, kGround},
    {"right of bar", 93, 240, kGround},
    {"knob middle", 90, 221, kKnob},
    {"knob left", 86, 221, kKnob},
    {"knob right", 94, 222, kKnob},
    {"knob top", 90, 218, kKnob},
    {"knob bottom", 90, 225, kKnob},
    {"beside knob", 85, 221, kGround},
    {"above knob", 90, 217, kGround},
    {"box left dash 1", 80, 211, kPart},
    {"box left dash 1 end", 80, 222, kPart},
    {"box left gap 1", 80, 223, kGround},
    {"box left gap 1 end", 80, 230, kGround},
    {"box left dash 2", 80, 231, kPart},
    {"box left dash 2 end", 80, 242, kPart},
    {"box left gap 2", 80, 247, kGround},
    {"box left dash 3", 80, 252, kPart},
    {"box left dash 3 end", 80, 262, kPart},
    {"box right dash 1", 120, 211, kPart},
    {"box right gap 1", 120, 226, kGround},
    {"box right dash 2", 120, 242, kPart},
    {"box right gap 2", 120, 245, kGround},
    {"box right dash 3", 120, 262, kPart},
    {"box top", 89, 211, kPart},
    {"box top end", 110, 212, kPart},
    {"box top open corner left", 85, 211, kGround},
    {"box top open corner right", 115, 211, kGround},
    {"box bottom", 90, 261, kPart},
    {"box bottom end", 111, 262, kPart},
    {"box bottom open corner left", 85, 262, kGround},
    {"box bottom open corner right", 116, 262, kGround},
};

const Sample kAstable[] = {
    {"triangle apex", 154, 12, kWire},
    {"triangle base left", 149, 22, kWire},
    {"triangle base right", 159, 23, kWire},
    {"triangle base ends left", 148, 22, kGround},
    {"triangle base ends right", 160, 23, kGround},
    {"triangle open", 152, 20, kGround},
    {"supply wire", 154, 40, kWire},
    {"dot (154,52)", 154, 50, kWire},
    {"supply bar left", 94, 52, kWire},
    {"supply bar right", 244, 53, kWire},
    {"supply bar ends left", 93, 52, kGround},
    {"supply bar ends right", 245, 52, kGround},
    {"supply bar two rows", 120, 54, kGround},
    {"reset wire", 94, 100, kWire},
    {"reset wire one wide", 95, 100, kGround},
    {"reset into pin 4", 103, 123, kWire},
    {"reset wire ends at corner", 94, 124, kGround},
    {"R1 feed", 244, 61, kWire},
    {"R1 upper lead", 244, 62, kPart},
    {"R1 upper lead at body", 244, 71, kPart},
    {"R1 lead one wide", 243, 66, kGround},
    {"R1 body top left", 240, 72, kPart},
    {"R1 body bottom right", 248, 103, kPart},
    {"R1 outline two thick", 241, 73, kPart},
    {"R1 fill", 244, 88, kFill},
    {"R1 fill at side", 242, 80, kFill},
    {"left of R1", 239, 88, kGround},
    {"right of R1", 249, 88, kGround},
    {"R1 lower lead", 244, 104, kPart},
    {"R1 lower lead end", 244, 114, kPart},
    {"discharge node", 244, 115, kWire},
    {"discharge node low", 244, 150, kWire},
    {"dot (244,142)", 246, 142, kWire},
    {"pin 7 wire", 207, 142, kWire},
    {"pin 7 wire lower row", 207, 143, kWire},
    {"pin 7 wire two rows", 225, 144, kGround},
    {"R2 upper lead", 244, 151, kPart},
    {"R2 upper lead at body", 244, 162, kPart},
    {"R2 body top left", 240, 163, kPart},
    {"R2 body bottom right", 248, 193, kPart},
    {"R2 fill", 244, 178, kFill},
    {"R2 lower lead", 244, 194, kPart},
    {"R2 lower lead end", 244, 204, kPart},
    {"threshold node", 244, 205, kWire},
    {"threshold row", 240, 213, kWire},
    {"threshold row one thick, below", 240, 214, kGround},
    {"threshold row one thick, above", 240, 212, kGround},
    {"dot (234,213)", 234, 215, kWire},
    {"pin 6 wire", 207, 202, kWire},
    {"pin 6 wire lower row", 220, 203, kWire},
    {"pin 6 wire ends", 235, 202, kGround},
    {"x 234 down", 234, 230, kWire},
    {"x 234 one wide", 235, 230, kGround},
    {"loop corner", 234, 243, kWire},
    {"loop", 200, 243, kWire},
    {"loop one thick, below", 200, 244, kGround},
    {"loop one thick, above", 200, 242, kGround},
    {"loop corner left", 94, 243, kWire},
    {"loop ends at corner", 93, 243, kGround},
    {"loop up", 94, 220, kWire},
    {"loop crossing", 154, 243, kWire},
    {"crossing without dot, up left", 153, 242, kGround},
    {"crossing without dot, up right", 155, 242, kGround},
    {"crossing without dot, down left", 153, 244, kGround},
    {"crossing without dot, down right", 155, 244, kGround},
    {"pin 2 line from C1", 76, 202, kWire},
    {"pin 2 line lower row", 76, 203, kWire},
    {"pin 2 line into stub", 103, 203, kWire},
    {"dot (94,203)", 94, 205, kWire},
    {"C1 left plate top", 51, 192, kPart},
    {"C1 left plate bottom", 51, 213, kPart},
    {"C1 right plate top", 57, 192, kPart},
    {"C1 right plate bottom", 57, 213, kPart},
    {"C1 plates apart", 54, 202, kGround},
    {"C1 plates apart, near left", 52, 202, kGround},
    {"C1 plates apart, near right", 56, 203, kGround},
    {"C1 plate ends", 51, 191, kGround},
    {"C1 plate ends below", 57, 214, kGround},
    {"C1 plates one wide", 50, 195, kGround},
    {"C1 left lead", 36, 202, kPart},
    {"C1 left lead at plate", 50, 203, kPart},
    {"C1 right lead at plate", 58, 202, kPart},
    {"C1 right lead", 71, 203, kPart},
    {"C1 return", 24, 202, kWire},
    {"C1 return lower row", 32, 203, kWire},
    {"C1 return down", 24, 240, kWire},
    {"C1 return one wide", 25, 240, kGround},
    {"C1 return corner", 24, 263, kWire},
    {"C1 return row", 100, 263, kWire},
    {"C1 return one thick", 100, 264, kGround},
    {"dot (154,263)", 156, 263, kWire},
    {"output from pin 3", 207, 122, kWire},
    {"output", 270, 123, kWire},
    {"output crossing", 244, 122, kWire},
    {"crossing without dot, up left", 243, 121, kGround},
    {"crossing without dot, up right", 245, 121, kGround},
    {"crossing without dot, down left", 243, 124, kGround},
    {"crossing without dot, down right", 245, 124, kGround},
    {"output dot", 306, 123, kWire},
    {"output ends at dot", 307, 123, kGround},
    {"ground wire", 154, 231, kWire},
    {"ground wire low", 154, 290, kWire},
    {"ground bar 1 left", 144, 302, kWire},
    {"ground bar 1 right", 164, 303, kWire},
    {"ground bar 1 ends", 143, 302, kGround},
    {"ground bar 1 ends right", 165, 303, kGround},
    {"ground bar 2 left", 149, 307, kWire},
    {"ground bar 2 right", 159, 308, kWire},
    {"ground bar 2 ends", 148, 307, kGround},
    {"ground bar 3 left", 153, 312, kWire},
    {"ground bar 3 right", 155, 313, kWire},
    {"ground bar 3 ends left", 152, 312, kGround},
    {"ground bar 3 ends right", 156, 312, kGround},
    {"ground wire ends", 154, 304, kGround},
    {"below ground bars", 154, 315, kGround},
};

struct TextBox {
    Picture picture;
    const char* what;
    int x0, y0, x1, y1;
    QRgb colour;
    int size; // ink rows of the text, or columns when it reads upward
    bool upward;
};

const TextBox kTexts[] = {
    {Mono, "5-15V", 168, 17, 192, 24, kPart, 7, false},
    {Mono, "R1", 211, 46, 222, 54, kLabel, 9, false},
    {Mono, "C1", 277, 174, 289, 182, kLabel, 9, false},
    {Mono, "Izlaz", 271, 108, 289, 115, kPart, 7, false},
    {Mono, "Trigger", 24, 188, 56, 197, kPart, 9, false},
    {Mono, "Monostabil", 9, 116, 90, 127, kPart, 12, false},
    {Mono, "note", 11, 319, 307, 327, kPart, 9, false},
    {Mono, "U2", 192, 90, 206, 98, kLabel, 9, false},
    {Mono, "NE555", 191, 224, 214, 229, kLabel, 5, false},
    {Mono, "VCC", 157, 116, 164, 135, kLabel, 7, true},
    {Mono, "GND", 157, 189, 164, 207, kLabel, 7, true},
    {Mono, "8", 153, 98, 158, 101, kLabel, 5, true},
    {Mono, "1", 153, 223, 158, 225, kLabel, 5, true},
    {Mono, "4", 116, 114, 119, 120, kLabel, 5, false},
    {Mono, "5", 116, 154, 119, 160, kLabel, 5, false},
    {Mono, "2", 116, 194, 119, 200, kLabel, 5, false},
    {Mono, "3", 201, 114, 203, 120, kLabel, 5, false},
    {Mono, "7", 201, 134, 203, 140, kLabel, 5, false},
    {Mono, "6", 201, 194, 203, 200, kLabel, 5, false},
    {Astable, "5-15V", 162, 9, 186, 15, kPart, 7, false},
    {Astable, "R1", 255, 75, 266, 83, kLabel, 9, false},
    {Astable, "R2", 255, 165, 268, 173, kLabel, 9, false},
    {Astable, "C1", 44, 180, 56, 189, kLabel, 9, false},
    {Astable, "Izlaz", 295, 109, 313, 116, kPart, 7, false},
    {Astable, "Astabil", 17, 117, 69, 128, kPart, 12, false},
    {Astable, "U1", 186, 91, 197, 99, kLabel, 9, false},
    {Astable, "NE555", 185, 225, 208, 230, kLabel, 5, false},
    {Astable, "VCC", 151, 117, 158, 136, kLabel, 7, true},
    {Astable, "GND", 151, 190, 158, 208, kLabel, 7, true},
    {Astable, "8", 147, 99, 152, 102, kLabel, 5, true},
    {Astable, "1", 147, 224, 152, 226, kLabel, 5, true},
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
    for (const Sample& s : kTimer) {
        add(Mono, "mono timer: ", s, 0, 0);
        add(Astable, "astable timer: ", s, -6, 1);
    }
    for (const Sample& s : kMono) {
        add(Mono, "mono: ", s, 0, 0);
    }
    for (const Sample& s : kAstable) {
        add(Astable, "astable: ", s, 0, 0);
    }
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
    for (int i = 0; i < int(std::size(kTexts)); ++i) {
        QTest::addRow("%s %s", kTexts[i].picture == Mono ? "mono" : "astable", kTexts[i].what) << i;
    }
}

// All ink of the text's colour near the box lies inside it, and the letters have their size.
void tst_Geometry::textStaysInItsBox() {
    QFETCH(int, index);
    const TextBox& t = kTexts[index];
    const QImage& image = picture(t.picture);
    constexpr int kMargin = 2;
    int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
    for (int y = t.y0 - kMargin; y <= t.y1 + kMargin; ++y) {
        for (int x = t.x0 - kMargin; x <= t.x1 + kMargin; ++x) {
            if (image.pixel(x, y) != t.colour) {
                continue;
            }
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
            if (picture(which).pixel(x, y) == kLabel) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    QVERIFY2(first != INT_MAX, "no pin name by the pin");
    if (left) {
        QCOMPARE(first, 135 + dx);
    } else {
        QVERIFY2(last >= 183 + dx && last <= 186 + dx, qPrintable(QStringLiteral("ends at x %1").arg(last)));
    }
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
            if (picture(which).pixel(x, y) != kGround) {
                QFAIL(qPrintable(
                    QStringLiteral("(%1,%2) is %3").arg(x).arg(y).arg(rgb(picture(which).pixel(x, y)))));
            }
        }
    }
}

void tst_Geometry::ruleUnderTheNote() {
    const QImage& image = picture(Mono);
    for (int x = 0; x < image.width(); ++x) {
        const QRgb expected = x >= 5 && x <= 317 ? kRule : kGround;
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
        QVERIFY2(image.pixel(p) == kWire,
                 qPrintable(QStringLiteral("(%1,%2) is %3").arg(p.x()).arg(p.y()).arg(rgb(image.pixel(p)))));
    for (const QPoint& p :
         {QPoint(x - 2, y - 2), QPoint(x + 2, y - 2), QPoint(x - 2, y + 2), QPoint(x + 2, y + 2)})
        QVERIFY2(image.pixel(p) == kGround,
                 qPrintable(
                     QStringLiteral("corner (%1,%2) is %3").arg(p.x()).arg(p.y()).arg(rgb(image.pixel(p)))));
}

QTEST_GUILESS_MAIN(tst_Geometry)
#include "tst_geometry.moc"
