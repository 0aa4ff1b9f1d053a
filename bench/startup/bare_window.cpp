// The yardstick for the program's start-up: a plain Qt Widgets window with the same inventory
// as the program's window (seven group boxes, the same count of labels, line edits, buttons,
// radio buttons, one combo box, two plain text edits, a line and a timer, at the same places
// and shown or hidden alike), built the most direct way and using none of the program's code.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "bench/startup/first_paint.h"

namespace {

// Positions in pixels, as the program's twips come out at 96 dots per inch.
QRect Px(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

template <typename Widget>
Widget* Make(QWidget* parent, const QString& text, QRect geometry, bool shown = true) {
    auto* widget = new Widget(text, parent);
    widget->setGeometry(geometry);
    if (!shown) widget->hide();
    return widget;
}

QGroupBox* Frame(QWidget* parent, const char* title, QRect geometry, bool shown) {
    auto* frame = Make<QGroupBox>(parent, QString::fromLatin1(title), geometry, shown);
    frame->setAutoFillBackground(true);
    return frame;
}

QString Lines(int count, int width) {
    QString text;
    for (int line = 1; line <= count; ++line) {
        text += QStringLiteral("Line %1 ").arg(line).leftJustified(width, u'*') +
                QStringLiteral("\r\n");
    }
    return text;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(321, 481);
    QPalette blue = window.palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    blue.setColor(QPalette::WindowText, QColor(255, 255, 255));
    window.setPalette(blue);
    window.setAutoFillBackground(true);

    auto* calculator = Frame(&window, "Calculator", Px(120, 840, 4575, 5175), false);
    auto* news = Frame(&window, "What's New", Px(120, 840, 4575, 5175), false);
    auto* about = Frame(&window, "About", Px(120, 840, 4575, 5175), false);
    auto* choose = Frame(&window, "2. Choose a formula.", Px(120, 1800, 4575, 1455), false);
    auto* buttons = Frame(&window, "4. Buttons", Px(120, 6120, 4575, 975), true);
    auto* calc = Frame(&window, "3. Calculations", Px(120, 3360, 4575, 2655), false);
    auto* option =
        Frame(&window, "1. Select an area of conversion.", Px(120, 840, 4575, 855), true);
    Make<QLabel>(&window, QStringLiteral("Version 1.1"), Px(1800, 480, 1095, 255));
    Make<QLabel>(&window, QStringLiteral("Title"), Px(120, 120, 4575, 375));

    Make<QPushButton>(option, QStringLiteral("&Select"), Px(3360, 360, 1095, 375));
    auto* combo = new QComboBox(option);
    combo->setEditable(true);
    combo->setGeometry(Px(240, 360, 3015, 315));
    for (int item = 0; item < 11; ++item)
        combo->addItem(QStringLiteral("Area %1").arg(item));
    combo->setCurrentIndex(-1);
    combo->setEditText(QStringLiteral("Choose and click Select"));

    for (int slot = 0; slot < 8; ++slot) {
        Make<QRadioButton>(choose, QStringLiteral("Option%1").arg(slot + 1),
                           Px(slot < 4 ? 120 : 2280, 360 + 240 * (slot % 4), 2175, 255));
    }

    Make<QLineEdit>(calc, QStringLiteral("2"), Px(3840, 2160, 375, 285), false);
    Make<QLineEdit>(calc, QString(), Px(2640, 960, 1575, 285), false);
    Make<QRadioButton>(calc, QString(), Px(120, 240, 2055, 255));
    Make<QLineEdit>(calc, QString(), Px(360, 960, 1575, 285), false);
    Make<QRadioButton>(calc, QString(), Px(4250, 240, 200, 255));
    Make<QLabel>(calc, QStringLiteral("Decimal Places"), Px(2640, 2205, 1095, 195), false);
    Make<QLabel>(calc, QString(), Px(2400, 240, 1815, 255));
    auto* line = new QFrame(calc);
    line->setFrameShape(QFrame::VLine);
    line->setGeometry(Px(2280, 240, 15, 2280));
    for (int label = 0; label < 6; ++label) {
        Make<QLabel>(calc, QString(),
                     Px(label < 3 ? 2520 : 240, 600 + 400 * (label % 3), 1575, 255), false);
    }
    Make<QLabel>(calc, QString(), Px(2640, 960, 1575, 255));
    Make<QLabel>(calc, QString(), Px(360, 960, 1575, 255));

    const char* commands[] = {"Calc&ulator", "&About", "&What's New",
                              "&Clear All",  "&Exit",  "Con&vert"};
    for (int command = 0; command < 6; ++command) {
        auto* button =
            Make<QPushButton>(buttons, QString::fromLatin1(commands[command]),
                              Px(240 + 1440 * (command % 3), 240 + 360 * (command / 3), 1215, 255));
        if (command == 5) button->setEnabled(false);
    }

    Make<QPushButton>(calculator, QStringLiteral("Hide (Erase Answer)"), Px(1440, 4680, 1695, 255));
    Make<QPushButton>(calculator, QStringLiteral("Hide (Store Answer)"), Px(1440, 4320, 1695, 255));
    auto* display = Make<QLineEdit>(calculator, QString(), Px(1080, 1200, 2415, 390));
    display->setMaxLength(12);
    const char* keys[] = {"0", "1", "2", "3", "4", "5", "6",  "7", "8",  "9",
                          "+", "-", "x", "/", "=", "C", "CE", ".", "+/-"};
    int key = 0;
    for (const char* caption : keys) {
        Make<QPushButton>(calculator, QString::fromLatin1(caption),
                          Px(1080 + 480 * (key % 5), 1800 + 480 * (key / 5), 375, 375));
        ++key;
    }
    auto* timer = new QTimer(&window);
    timer->setInterval(1000);

    auto* newsText = new QPlainTextEdit(Lines(75, 26), news);
    newsText->setGeometry(Px(240, 600, 4095, 4095));
    newsText->setReadOnly(true);
    auto* aboutText = new QPlainTextEdit(Lines(16, 30), about);
    aboutText->setGeometry(Px(240, 960, 4095, 3255));
    aboutText->setReadOnly(true);
    aboutText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    ombrelo::bench::FirstPaintReporter reporter(window);
    window.show();
    return QApplication::exec();
}
