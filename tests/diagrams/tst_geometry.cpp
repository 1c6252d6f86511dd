#include "generators/diagrams/diagrams.h"
#include "generators/pictures/bmp.h"

#include <QImage>
#include <QSet>
#include <QTest>

// The drawings, checked through an independent BMP decoder at points taken from the circuit tables.

namespace {

using enum pictures::Role;

// Mono and Astable name the pictures; Timer rows lie in the timer block, which both pictures hold:
// the astable one 6 pixels left and 1 lower than the monostable one.
enum Where { Mono, Astable, Timer };

const char* nameOf(int picture) {
    return picture == Mono ? "mono" : "astable";
}

QImage decoded(const diagrams::Diagram& diagram) {
    const auto bytes = pictures::encodeBmp(diagrams::draw(diagram));
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
}

const QImage& picture(int which) {
    static const QImage images[2] = {decoded(diagrams::monostable()), decoded(diagrams::astable())};
    return images[which];
}

// The colour the picture library draws a role in.
QRgb colour(pictures::Role role) {
    const pictures::Rgb c = pictures::colourOf(role);
    return qRgb(c.r, c.g, c.b);
}

QString rgb(QRgb c) {
    return QStringLiteral("%1,%2,%3").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

struct Sample {
    Where where;
    const char* what;
    int x, y;
    pictures::Role role;
};

// Timer rows are at their monostable place.
const Sample samples[] = {
    {Timer, "body corner top left", 130, 112, Part},
    {Timer, "body corner bottom right", 190, 212, Part},
    {Timer, "body corner top right", 190, 112, Part},
    {Timer, "body corner bottom left", 130, 212, Part},
    {Timer, "body fill inside the outline", 131, 113, Fill},
    {Timer, "body fill", 189, 211, Fill},
    {Timer, "body fill middle", 175, 175, Fill},
    {Timer, "left of body", 129, 140, Ground},
    {Timer, "right of body", 191, 170, Ground},
    {Timer, "pin 8 tip", 160, 92, Part},
    {Timer, "pin 8 at body", 160, 111, Part},
    {Timer, "pin 8 one wide, left", 159, 105, Ground},
    {Timer, "pin 8 one wide, right", 161, 105, Ground},
    {Timer, "pin 1 at body", 160, 213, Part},
    {Timer, "pin 1 tip", 160, 229, Part},
    {Timer, "pin 1 one wide", 161, 220, Ground},
    {Timer, "pin 4 tip", 110, 121, Part},
    {Timer, "pin 4 at ring", 123, 122, Part},
    {Timer, "pin 4 two rows, above", 112, 120, Ground},
    {Timer, "pin 4 two rows, below", 112, 123, Ground},
    {Timer, "ring top", 127, 118, Part},
    {Timer, "ring bottom", 128, 125, Part},
    {Timer, "ring left", 124, 121, Part},
    {Timer, "ring open inside", 127, 121, Ground},
    {Timer, "ring open inside at body edge", 129, 122, Ground},
    {Timer, "pin 5 tip", 110, 161, Part},
    {Timer, "pin 5 at body", 129, 162, Part},
    {Timer, "pin 5 ends open", 109, 161, Ground},
    {Timer, "pin 5 ends open, lower row", 109, 162, Ground},
    {Timer, "pin 5 has no wire", 100, 161, Ground},
    {Timer, "pin 2 tip", 110, 201, Part},
    {Timer, "pin 2 at body", 129, 202, Part},
    {Timer, "pin 3 at body", 191, 121, Part},
    {Timer, "pin 3 tip", 208, 122, Part},
    {Timer, "pin 7 at body", 191, 141, Part},
    {Timer, "pin 7 tip", 208, 142, Part},
    {Timer, "pin 6 at body", 191, 201, Part},
    {Timer, "pin 6 tip", 208, 202, Part},
    {Timer, "right stubs two rows, above", 200, 120, Ground},
    {Timer, "right stubs two rows, below", 200, 123, Ground},
    {Mono, "triangle apex", 160, 21, Wire},
    {Mono, "triangle base left", 155, 31, Wire},
    {Mono, "triangle base right", 165, 32, Wire},
    {Mono, "triangle base ends left", 154, 31, Ground},
    {Mono, "triangle base ends right", 166, 32, Ground},
    {Mono, "triangle open left", 158, 29, Ground},
    {Mono, "triangle open right", 162, 29, Ground},
    {Mono, "supply wire in triangle", 160, 26, Wire},
    {Mono, "supply wire", 160, 45, Wire},
    {Mono, "supply wire one wide", 161, 45, Ground},
    {Mono, "nothing left of dot (160,61)", 157, 61, Ground},
    {Mono, "nothing right of dot (160,81)", 163, 81, Ground},
    {Mono, "R1 feed", 180, 61, Wire},
    {Mono, "R1 feed lower row", 199, 62, Wire},
    {Mono, "R1 feed two rows", 180, 63, Ground},
    {Mono, "R1 left lead", 200, 61, Part},
    {Mono, "R1 left lead at body", 208, 62, Part},
    {Mono, "R1 left lead two rows", 205, 60, Ground},
    {Mono, "R1 body top left", 209, 57, Part},
    {Mono, "R1 body bottom right", 241, 66, Part},
    {Mono, "R1 outline two thick", 210, 58, Part},
    {Mono, "R1 fill", 211, 59, Fill},
    {Mono, "R1 fill middle", 225, 61, Fill},
    {Mono, "above R1", 225, 56, Ground},
    {Mono, "below R1", 225, 67, Ground},
    {Mono, "R1 right lead", 242, 61, Part},
    {Mono, "R1 right lead end", 251, 62, Part},
    {Mono, "timing line from R1", 252, 61, Wire},
    {Mono, "timing line corner", 260, 62, Wire},
    {Mono, "timing line down", 260, 100, Wire},
    {Mono, "timing line one wide, left", 259, 100, Ground},
    {Mono, "timing line one wide, right", 261, 100, Ground},
    {Mono, "nothing right of timing corner", 261, 61, Ground},
    {Mono, "timing line above C1", 260, 163, Wire},
    {Mono, "C1 upper lead", 260, 164, Part},
    {Mono, "C1 upper lead at plate", 260, 177, Part},
    {Mono, "C1 upper plate left", 250, 178, Part},
    {Mono, "C1 upper plate right", 270, 179, Part},
    {Mono, "C1 lower plate left", 250, 184, Part},
    {Mono, "C1 lower plate right", 270, 185, Part},
    {Mono, "C1 plates apart", 260, 181, Ground},
    {Mono, "C1 plates apart, side", 255, 182, Ground},
    {Mono, "C1 plate ends", 249, 178, Ground},
    {Mono, "C1 plate ends right", 271, 185, Ground},
    {Mono, "C1 lower lead", 260, 186, Part},
    {Mono, "C1 lower lead end", 260, 203, Part},
    {Mono, "C1 to ground", 260, 204, Wire},
    {Mono, "C1 to ground corner", 260, 252, Wire},
    {Mono, "C1 ground line ends", 261, 251, Ground},
    {Mono, "C1 ground line", 200, 251, Wire},
    {Mono, "C1 ground line lower row", 200, 252, Wire},
    {Mono, "C1 ground line two rows", 200, 253, Ground},
    {Mono, "reset wire", 130, 81, Wire},
    {Mono, "reset wire corner", 100, 82, Wire},
    {Mono, "reset wire ends at corner", 99, 81, Ground},
    {Mono, "reset wire down", 100, 100, Wire},
    {Mono, "reset wire one wide", 101, 100, Ground},
    {Mono, "reset into pin 4", 105, 121, Wire},
    {Mono, "reset meets stub", 109, 122, Wire},
    {Mono, "reset wire below corner", 100, 125, Ground},
    {Mono, "output from pin 3", 213, 121, Wire},
    {Mono, "output", 250, 122, Wire},
    {Mono, "output crossing", 260, 121, Wire},
    {Mono, "crossing without dot, up left", 259, 120, Ground},
    {Mono, "crossing without dot, up right", 261, 120, Ground},
    {Mono, "crossing without dot, down left", 259, 123, Ground},
    {Mono, "crossing without dot, down right", 261, 123, Ground},
    {Mono, "output ends at dot", 293, 121, Ground},
    {Mono, "pin 7 wire", 213, 141, Wire},
    {Mono, "pin 7 wire to timing line", 255, 142, Wire},
    {Mono, "pin 7 wire ends", 263, 142, Ground},
    {Mono, "pin 6 wire", 213, 201, Wire},
    {Mono, "pin 6 wire corner", 220, 202, Wire},
    {Mono, "pin 6 wire ends", 221, 201, Ground},
    {Mono, "pin 6 up", 220, 170, Wire},
    {Mono, "pin 6 up one wide, left", 219, 170, Ground},
    {Mono, "pin 6 up one wide, right", 221, 170, Ground},
    {Mono, "nothing left of trigger dot", 37, 202, Ground},
    {Mono, "trigger wire", 70, 201, Wire},
    {Mono, "trigger wire into pin 2", 109, 202, Wire},
    {Mono, "ground wire", 160, 230, Wire},
    {Mono, "ground wire low", 160, 290, Wire},
    {Mono, "ground bar 1 left", 150, 301, Wire},
    {Mono, "ground bar 1 right", 170, 302, Wire},
    {Mono, "ground bar 1 ends left", 149, 301, Ground},
    {Mono, "ground bar 1 ends right", 171, 302, Ground},
    {Mono, "ground bar 2 left", 155, 306, Wire},
    {Mono, "ground bar 2 right", 165, 307, Wire},
    {Mono, "ground bar 2 ends", 154, 306, Ground},
    {Mono, "ground bar 3 left", 158, 311, Wire},
    {Mono, "ground bar 3 right", 161, 312, Wire},
    {Mono, "ground bar 3 ends left", 157, 311, Ground},
    {Mono, "ground bar 3 ends right", 162, 312, Ground},
    {Mono, "ground wire ends", 160, 303, Ground},
    {Mono, "between ground bars", 160, 309, Ground},
    {Mono, "below ground bars", 160, 314, Ground},
    {Mono, "button wire", 100, 210, Wire},
    {Mono, "button wire end", 100, 216, Wire},
    {Mono, "button upper lead", 100, 217, Part},
    {Mono, "button upper lead end", 100, 226, Part},
    {Mono, "upper contact top", 100, 227, Part},
    {Mono, "upper contact left", 97, 230, Part},
    {Mono, "upper contact right", 103, 230, Part},
    {Mono, "upper contact open", 100, 230, Ground},
    {Mono, "contacts apart", 100, 242, Ground},
    {Mono, "lower contact left", 97, 254, Part},
    {Mono, "lower contact open", 100, 254, Ground},
    {Mono, "lower contact bottom", 100, 257, Part},
    {Mono, "button lower lead", 100, 258, Part},
    {Mono, "button lower lead end", 100, 268, Part},
    {Mono, "button wire down", 100, 269, Wire},
    {Mono, "button wire corner", 100, 272, Wire},
    {Mono, "button wire to ground", 130, 271, Wire},
    {Mono, "button wire lower row", 130, 272, Wire},
    {Mono, "button wire two rows", 130, 273, Ground},
    {Mono, "plunger top", 92, 227, Part},
    {Mono, "plunger bottom", 92, 256, Part},
    {Mono, "plunger below bar", 92, 253, Part},
    {Mono, "plunger ends", 92, 257, Ground},
    {Mono, "bar", 87, 233, Fill},
    {Mono, "bar on plunger", 92, 250, Fill},
    {Mono, "left of bar", 86, 240, Ground},
    {Mono, "right of bar", 93, 240, Ground},
    {Mono, "knob middle", 90, 221, Knob},
    {Mono, "knob left", 86, 221, Knob},
    {Mono, "knob right", 94, 222, Knob},
    {Mono, "knob top", 90, 218, Knob},
    {Mono, "knob bottom", 90, 225, Knob},
    {Mono, "beside knob", 85, 221, Ground},
    {Mono, "above knob", 90, 217, Ground},
    {Mono, "box left dash 1", 80, 211, Part},
    {Mono, "box left dash 1 end", 80, 222, Part},
    {Mono, "box left gap 1", 80, 223, Ground},
    {Mono, "box left gap 1 end", 80, 230, Ground},
    {Mono, "box left dash 2", 80, 231, Part},
    {Mono, "box left dash 2 end", 80, 242, Part},
    {Mono, "box left gap 2", 80, 247, Ground},
    {Mono, "box left dash 3", 80, 252, Part},
    {Mono, "box left dash 3 end", 80, 262, Part},
    {Mono, "box right dash 1", 120, 211, Part},
    {Mono, "box right gap 1", 120, 226, Ground},
    {Mono, "box right dash 2", 120, 242, Part},
    {Mono, "box right gap 2", 120, 245, Ground},
    {Mono, "box right dash 3", 120, 262, Part},
    {Mono, "box top", 89, 211, Part},
    {Mono, "box top end", 110, 212, Part},
    {Mono, "box top open corner left", 85, 211, Ground},
    {Mono, "box top open corner right", 115, 211, Ground},
    {Mono, "box bottom", 90, 261, Part},
    {Mono, "box bottom end", 111, 262, Part},
    {Mono, "box bottom open corner left", 85, 262, Ground},
    {Mono, "box bottom open corner right", 116, 262, Ground},
    {Astable, "triangle apex", 154, 12, Wire},
    {Astable, "triangle base left", 149, 22, Wire},
    {Astable, "triangle base right", 159, 23, Wire},
    {Astable, "triangle base ends left", 148, 22, Ground},
    {Astable, "triangle base ends right", 160, 23, Ground},
    {Astable, "triangle open", 152, 20, Ground},
    {Astable, "supply wire", 154, 40, Wire},
    {Astable, "supply bar left", 94, 52, Wire},
    {Astable, "supply bar right", 244, 53, Wire},
    {Astable, "supply bar ends left", 93, 52, Ground},
    {Astable, "supply bar ends right", 245, 52, Ground},
    {Astable, "supply bar two rows", 120, 54, Ground},
    {Astable, "reset wire", 94, 100, Wire},
    {Astable, "reset wire one wide", 95, 100, Ground},
    {Astable, "reset into pin 4", 103, 123, Wire},
    {Astable, "reset wire ends at corner", 94, 124, Ground},
    {Astable, "R1 feed", 244, 61, Wire},
    {Astable, "R1 upper lead", 244, 62, Part},
    {Astable, "R1 upper lead at body", 244, 71, Part},
    {Astable, "R1 lead one wide", 243, 66, Ground},
    {Astable, "R1 body top left", 240, 72, Part},
    {Astable, "R1 body bottom right", 248, 103, Part},
    {Astable, "R1 outline two thick", 241, 73, Part},
    {Astable, "R1 fill", 244, 88, Fill},
    {Astable, "R1 fill at side", 242, 80, Fill},
    {Astable, "left of R1", 239, 88, Ground},
    {Astable, "right of R1", 249, 88, Ground},
    {Astable, "R1 lower lead", 244, 104, Part},
    {Astable, "R1 lower lead end", 244, 114, Part},
    {Astable, "discharge node", 244, 115, Wire},
    {Astable, "discharge node low", 244, 150, Wire},
    {Astable, "pin 7 wire", 207, 142, Wire},
    {Astable, "pin 7 wire lower row", 207, 143, Wire},
    {Astable, "pin 7 wire two rows", 225, 144, Ground},
    {Astable, "R2 upper lead", 244, 151, Part},
    {Astable, "R2 upper lead at body", 244, 162, Part},
    {Astable, "R2 body top left", 240, 163, Part},
    {Astable, "R2 body bottom right", 248, 193, Part},
    {Astable, "R2 fill", 244, 178, Fill},
    {Astable, "R2 lower lead", 244, 194, Part},
    {Astable, "R2 lower lead end", 244, 204, Part},
    {Astable, "threshold node", 244, 205, Wire},
    {Astable, "threshold row", 240, 213, Wire},
    {Astable, "threshold row one thick, below", 240, 214, Ground},
    {Astable, "threshold row one thick, above", 240, 212, Ground},
    {Astable, "pin 6 wire", 207, 202, Wire},
    {Astable, "pin 6 wire lower row", 220, 203, Wire},
    {Astable, "pin 6 wire ends", 235, 202, Ground},
    {Astable, "x 234 down", 234, 230, Wire},
    {Astable, "x 234 one wide", 235, 230, Ground},
    {Astable, "loop corner", 234, 243, Wire},
    {Astable, "loop", 200, 243, Wire},
    {Astable, "loop one thick, below", 200, 244, Ground},
    {Astable, "loop one thick, above", 200, 242, Ground},
    {Astable, "loop corner left", 94, 243, Wire},
    {Astable, "loop ends at corner", 93, 243, Ground},
    {Astable, "loop up", 94, 220, Wire},
    {Astable, "loop crossing", 154, 243, Wire},
    {Astable, "crossing without dot, up left", 153, 242, Ground},
    {Astable, "crossing without dot, up right", 155, 242, Ground},
    {Astable, "crossing without dot, down left", 153, 244, Ground},
    {Astable, "crossing without dot, down right", 155, 244, Ground},
    {Astable, "pin 2 line from C1", 76, 202, Wire},
    {Astable, "pin 2 line lower row", 76, 203, Wire},
    {Astable, "pin 2 line into stub", 103, 203, Wire},
    {Astable, "C1 left plate top", 51, 192, Part},
    {Astable, "C1 left plate bottom", 51, 213, Part},
    {Astable, "C1 right plate top", 57, 192, Part},
    {Astable, "C1 right plate bottom", 57, 213, Part},
    {Astable, "C1 plates apart", 54, 202, Ground},
    {Astable, "C1 plates apart, near left", 52, 202, Ground},
    {Astable, "C1 plates apart, near right", 56, 203, Ground},
    {Astable, "C1 plate ends", 51, 191, Ground},
    {Astable, "C1 plate ends below", 57, 214, Ground},
    {Astable, "C1 plates one wide", 50, 195, Ground},
    {Astable, "C1 left lead", 36, 202, Part},
    {Astable, "C1 left lead at plate", 50, 203, Part},
    {Astable, "C1 right lead at plate", 58, 202, Part},
    {Astable, "C1 right lead", 71, 203, Part},
    {Astable, "C1 return", 24, 202, Wire},
    {Astable, "C1 return lower row", 32, 203, Wire},
    {Astable, "C1 return down", 24, 240, Wire},
    {Astable, "C1 return one wide", 25, 240, Ground},
    {Astable, "C1 return corner", 24, 263, Wire},
    {Astable, "C1 return row", 100, 263, Wire},
    {Astable, "C1 return one thick", 100, 264, Ground},
    {Astable, "output from pin 3", 207, 122, Wire},
    {Astable, "output", 270, 123, Wire},
    {Astable, "output crossing", 244, 122, Wire},
    {Astable, "crossing without dot, up left", 243, 121, Ground},
    {Astable, "crossing without dot, up right", 245, 121, Ground},
    {Astable, "crossing without dot, down left", 243, 124, Ground},
    {Astable, "crossing without dot, down right", 245, 124, Ground},
    {Astable, "output ends at dot", 307, 123, Ground},
    {Astable, "ground wire", 154, 231, Wire},
    {Astable, "ground wire low", 154, 290, Wire},
    {Astable, "ground bar 1 left", 144, 302, Wire},
    {Astable, "ground bar 1 right", 164, 303, Wire},
    {Astable, "ground bar 1 ends", 143, 302, Ground},
    {Astable, "ground bar 1 ends right", 165, 303, Ground},
    {Astable, "ground bar 2 left", 149, 307, Wire},
    {Astable, "ground bar 2 right", 159, 308, Wire},
    {Astable, "ground bar 2 ends", 148, 307, Ground},
    {Astable, "ground bar 3 left", 153, 312, Wire},
    {Astable, "ground bar 3 right", 155, 313, Wire},
    {Astable, "ground bar 3 ends left", 152, 312, Ground},
    {Astable, "ground bar 3 ends right", 156, 312, Ground},
    {Astable, "ground wire ends", 154, 304, Ground},
    {Astable, "below ground bars", 154, 315, Ground},
};

// Every text by the columns and rows its ink covers, first to last; Timer rows at their monostable
// place.
struct Text {
    Where where;
    const char* what;
    int x0, y0, x1, y1;
    pictures::Role role;
};

const Text texts[] = {
    {Timer, "R", 135, 118, 138, 124, Label},      {Timer, "CV", 135, 158, 144, 164, Label},
    {Timer, "TR", 135, 198, 144, 204, Label},     {Timer, "Q", 181, 118, 185, 124, Label},
    {Timer, "DC", 177, 138, 185, 144, Label},     {Timer, "TH", 176, 198, 185, 204, Label},
    {Timer, "VCC", 157, 119, 163, 133, Label},    {Timer, "GND", 157, 191, 163, 205, Label},
    {Timer, "4", 116, 115, 118, 119, Label},      {Timer, "5", 116, 155, 118, 159, Label},
    {Timer, "2", 116, 195, 118, 199, Label},      {Timer, "3", 201, 115, 203, 119, Label},
    {Timer, "7", 201, 135, 203, 139, Label},      {Timer, "6", 201, 195, 203, 199, Label},
    {Timer, "8", 154, 99, 158, 101, Label},       {Timer, "1", 154, 223, 158, 225, Label},
    {Timer, "NE555", 192, 224, 211, 228, Label},  {Mono, "5-15V", 168, 17, 192, 23, Part},
    {Mono, "R1", 211, 46, 222, 54, Label},        {Mono, "C1", 277, 174, 288, 182, Label},
    {Mono, "Izlaz", 271, 108, 288, 114, Part},    {Mono, "Trigger", 24, 188, 55, 196, Part},
    {Mono, "Monostabil", 9, 116, 87, 127, Part},  {Mono, "note", 11, 319, 304, 327, Part},
    {Mono, "U2", 192, 90, 204, 98, Label},        {Astable, "5-15V", 162, 9, 186, 15, Part},
    {Astable, "R1", 255, 75, 266, 83, Label},     {Astable, "R2", 255, 165, 267, 173, Label},
    {Astable, "C1", 44, 180, 55, 188, Label},     {Astable, "Izlaz", 295, 109, 312, 115, Part},
    {Astable, "Astabil", 17, 117, 68, 128, Part}, {Astable, "U1", 186, 91, 197, 99, Label},
};

// Every junction and terminal dot, by its centre. A disc five pixels across reaches two pixels out
// on each side of its centre, and not its corners.
struct Dot {
    Where which;
    int x, y;
};
const Dot dots[] = {
    {Mono, 160, 61},     {Mono, 160, 81},     {Mono, 260, 142},   {Mono, 290, 121},    {Mono, 220, 142},
    {Mono, 40, 202},     {Mono, 100, 202},    {Mono, 160, 252},   {Mono, 160, 272},    {Astable, 154, 52},
    {Astable, 244, 142}, {Astable, 234, 213}, {Astable, 94, 203}, {Astable, 154, 263}, {Astable, 304, 123},
};

// Data rows of a picture, an area in it and a role: one for each picture that `where` lies in, with
// the area moved to its place there.
void addRows(Where where, const char* what, QRect area, pictures::Role role) {
    const auto add = [&](int which, QPoint by) {
        const QRect at = area.translated(by);
        QTest::addRow("%s: %s (%d,%d)", nameOf(which), what, at.x(), at.y()) << which << at << int(role);
    };
    if (where != Astable)
        add(Mono, QPoint(0, 0));
    if (where != Mono)
        add(Astable, where == Timer ? QPoint(-6, 1) : QPoint(0, 0));
}

void addColumns() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("role");
}

QString range(QRect r) {
    return QStringLiteral("x %1 to %2, y %3 to %4").arg(r.left()).arg(r.right()).arg(r.top()).arg(r.bottom());
}

} // namespace

class tst_Geometry : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pixels_data();
    void pixels();
    void textInkCoversItsRange_data();
    void textInkCoversItsRange();
    void dotsAreWholeDiscs_data();
    void dotsAreWholeDiscs();
};

void tst_Geometry::initTestCase() {
    QCOMPARE(picture(Mono).size(), QSize(329, 342));
    QCOMPARE(picture(Astable).size(), QSize(329, 328));
    // A sample tells a wire from a stub, or a label from the ground, only while every role has a
    // colour of its own.
    QSet<QRgb> colours;
    for (pictures::Role role : {Ground, Wire, Part, Label, Fill, Knob, Rule})
        colours.insert(colour(role));
    QCOMPARE(colours.size(), 7);
}

// Every pixel of each area in its role's colour: the samples, one pixel each; the outer margins,
// where nothing is drawn from column 314 on, so a picture box that cuts the right edge loses only
// ground; and the rule under the monostable note.
void tst_Geometry::pixels_data() {
    addColumns();
    for (const Sample& s : samples)
        addRows(s.where, s.what, QRect(s.x, s.y, 1, 1), s.role);
    addRows(Mono, "right margin", QRect(QPoint(314, 0), QPoint(328, 332)), Ground);
    addRows(Mono, "bottom margin, above the rule", QRect(QPoint(0, 333), QPoint(328, 337)), Ground);
    addRows(Mono, "rule", QRect(QPoint(5, 338), QPoint(317, 338)), Rule);
    addRows(Mono, "left of the rule", QRect(QPoint(0, 338), QPoint(4, 338)), Ground);
    addRows(Mono, "right of the rule", QRect(QPoint(318, 338), QPoint(328, 338)), Ground);
    addRows(Mono, "bottom margin, below the rule", QRect(QPoint(0, 339), QPoint(328, 341)), Ground);
    addRows(Astable, "right margin", QRect(QPoint(314, 0), QPoint(328, 327)), Ground);
    addRows(Astable, "bottom margin", QRect(QPoint(0, 318), QPoint(328, 327)), Ground);
}

void tst_Geometry::pixels() {
    QFETCH(int, which);
    QFETCH(QRect, area);
    QFETCH(int, role);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (picture(which).pixel(x, y) != colour(pictures::Role(role)))
                QFAIL(qPrintable(
                    QStringLiteral("(%1,%2) is %3").arg(x).arg(y).arg(rgb(picture(which).pixel(x, y)))));
}

void tst_Geometry::textInkCoversItsRange_data() {
    addColumns();
    for (const Text& t : texts)
        addRows(t.where, t.what, QRect(QPoint(t.x0, t.y0), QPoint(t.x1, t.y1)), t.role);
}

// The ink of the text's colour round its range reaches each edge of it and no further, so a text
// moved by a single pixel shows.
void tst_Geometry::textInkCoversItsRange() {
    QFETCH(int, which);
    QFETCH(QRect, area);
    QFETCH(int, role);
    const QRect around = area.adjusted(-2, -2, 2, 2);
    QRect ink;
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (picture(which).pixel(x, y) == colour(pictures::Role(role)))
                ink |= QRect(x, y, 1, 1);
    QCOMPARE(range(ink), range(area));
}

void tst_Geometry::dotsAreWholeDiscs_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    for (const Dot& d : dots)
        QTest::addRow("%s (%d,%d)", nameOf(d.which), d.x, d.y) << int(d.which) << d.x << d.y;
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
        QVERIFY2(image.pixel(p) == colour(Wire),
                 qPrintable(QStringLiteral("(%1,%2) is %3").arg(p.x()).arg(p.y()).arg(rgb(image.pixel(p)))));
    for (const QPoint& p :
         {QPoint(x - 2, y - 2), QPoint(x + 2, y - 2), QPoint(x - 2, y + 2), QPoint(x + 2, y + 2)})
        QVERIFY2(image.pixel(p) == colour(Ground),
                 qPrintable(
                     QStringLiteral("corner (%1,%2) is %3").arg(p.x()).arg(p.y()).arg(rgb(image.pixel(p)))));
}

QTEST_GUILESS_MAIN(tst_Geometry)
#include "tst_geometry.moc"
