// The peer: tvorka1's window written by hand in plain Qt Widgets, the way a competent Qt developer
// writes a small fixed window in one file, with no runtime layer under it.
//
// What it does, as the program does:
// - the window "Form1", 497 x 338, at the place the window manager picks, with the system's face at
//   8 points as its font and the application icon on its frame;
// - the 18 controls at the program's places (twips / 15, rounded), with the same captions: two
//   option buttons, two sunken picture boxes with a 2-pixel border on one rectangle, three entry
//   rows (label, line edit, editable combo box showing "Combo1" from its start) and five result
//   lines on the palette's active highlighted-text colour, the one that stands for the text of an
//   active title bar; a caption wider than its label is set a half point smaller until it fits;
// - the pictures and the icon come from a Qt resource, the same files the program compiles in,
//   read by Qt's own readers when the window is built (QPixmap, and QIcon through the ICO plugin);
//   a picture box shows its picture at natural size from the inner top-left corner, cut off at the
//   inner edge;
// - the tab order R1, R2, C3 fields, the three combo boxes, the two options; each entry is named after
//   its row's label; a toggled option shows its picture and hides the other; MONOSTABIL is selected
//   at start through that handler, and the focus starts in the R1 field.
// What it leaves out, being no runtime: the window definition and its checks, the event table, the
// counted references, the status of every property set and the run-time error report, the start-up
// message handler; option buttons behave as Qt's (arrow keys move by geometry, the click area is
// the indicator and the caption), a text colour is not changed for contrast
// with its background, and under a scale factor the pictures are scaled with the rest.

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>

namespace {

// A caption wider than its label gets a smaller size of the same font rather than being cut.
void fitCaption(QLabel* label) {
    QFont font = label->font();
    while (QFontMetrics(font).horizontalAdvance(label->text()) > label->width() && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
}

// Shows its picture at natural size from the inner top-left corner; a QLabel would paint the part
// that does not fit over its own border.
class PictureBox : public QFrame {
public:
    PictureBox(const QString& file, QWidget* parent)
        : QFrame(parent)
        , picture_(file) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        painter.setClipRect(contentsRect());
        painter.drawPixmap(contentsRect().topLeft(), picture_);
    }

private:
    QPixmap picture_;
};

class Form1 : public QWidget {
public:
    Form1() {
        setWindowTitle("Form1");
        setWindowIcon(QIcon(":/icon/tvorka1.ico"));
        QFont small = font();
        small.setPointSize(8);
        setFont(small);
        resize(497, 338);

        auto* monostabil = new QRadioButton("MONOSTABIL", this);
        monostabil->setGeometry(8, 8, 105, 17);
        auto* astabil = new QRadioButton("ASTABIL", this);
        astabil->setGeometry(8, 32, 97, 25);

        const char* const rows[] = {"R1", "R2", "C3"};
        QWidget* chain[8];
        for (int i = 0; i < 3; ++i) {
            const int top = 72 + 24 * i;
            auto* label = new QLabel(rows[i], this);
            label->setGeometry(16, top, 17, 17);
            fitCaption(label);
            auto* field = new QLineEdit(this);
            field->setGeometry(40, top, 33, 19);
            field->setAccessibleName(rows[i]);
            label->setBuddy(field);
            auto* combo = new QComboBox(this);
            combo->setGeometry(80, top, 57, 21);
            combo->setEditable(true);
            combo->setEditText("Combo1");
            combo->lineEdit()->setCursorPosition(0); // too narrow for the whole text: show its start
            combo->setAccessibleName(rows[i]);
            chain[i] = field;
            chain[3 + i] = combo;
        }
        chain[6] = monostabil;
        chain[7] = astabil;
        for (int i = 1; i < 8; ++i)
            setTabOrder(chain[i - 1], chain[i]);

        const char* const results[] = {"IZLAZ VISOK XX.XX S", "IZLAZ NIZAK XX.XX S", "DUZINA CIKLUSA XX.XX S",
                                       "FREKFENCIJA XXXX HZ", "RADNI CIKLUS XXX %"};
        for (int i = 0; i < 5; ++i) {
            auto* line = new QLabel(results[i], this);
            line->setGeometry(16, 152 + 24 * i, 137, 17);
            fitCaption(line);
            QPalette palette = line->palette();
            palette.setColor(QPalette::Window, palette.color(QPalette::Active, QPalette::HighlightedText));
            line->setPalette(palette);
            line->setAutoFillBackground(true);
        }

        // The two diagrams share one rectangle; the selected option shows its own.
        monostable_ = new PictureBox(":/diagrams/monostable.bmp", this);
        monostable_->setGeometry(168, 8, 321, 321);
        astable_ = new PictureBox(":/diagrams/astable.bmp", this);
        astable_->setGeometry(168, 8, 321, 321);
        connect(monostabil, &QRadioButton::toggled, this, [this](bool on) {
            if (on) {
                astable_->hide();
                monostable_->show();
            }
        });
        connect(astabil, &QRadioButton::toggled, this, [this](bool on) {
            if (on) {
                monostable_->hide();
                astable_->show();
            }
        });
        monostabil->setChecked(true);
        chain[0]->setFocus();
    }

private:
    PictureBox* monostable_;
    PictureBox* astable_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication::setApplicationName("Tvorka1");
    QApplication::setApplicationVersion("1.0.0.0");
    QApplication::setDesktopFileName("org.tvorka1.Tvorka1");
    QApplication app(argc, argv);
    Form1 window;
    window.show();
    return QApplication::exec();
}
