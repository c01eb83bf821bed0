#include "app/FrmSplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// A road embankment over a round culvert barrel, with water passing through.
QPixmap CulvertDrawing() {
    QPixmap picture(220, 110);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(10, 30, 70, 30);
    p.drawLine(70, 30, 150, 30);
    p.drawLine(150, 30, 210, 30);
    p.drawLine(10, 30, 10, 100);
    p.drawLine(210, 30, 210, 100);
    p.drawLine(10, 100, 210, 100);
    p.drawEllipse(QPointF(110, 72), 24, 24);
    p.setPen(QPen(Qt::blue, 2));
    p.drawLine(92, 84, 128, 84);
    p.drawLine(20, 84, 80, 84);
    p.drawLine(140, 88, 200, 88);
    return picture;
}

} // namespace

FrmSplash::FrmSplash(int minimumMillis)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setCursor(Qt::WaitCursor);
    QFont big("Liberation Sans", 18);
    Label1 = new QLabel("Tarnwell, V2.0", this);
    Label1->setFont(big);
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = new QLabel("U.S. Units", this);
    Label2->setFont(big);
    Label2->setAlignment(Qt::AlignCenter);
    Image1 = new QLabel(this);
    Image1->setPixmap(CulvertDrawing());
    Image1->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 24, 30, 24);
    layout->addWidget(Label1);
    layout->addWidget(Image1);
    layout->addWidget(Label2);
    setStyleSheet("FrmSplash { background: white; border: 2px solid black; }");
    setAttribute(Qt::WA_StyledBackground, true);
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }

    timerFlag_ = 0;
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(minimumMillis);
    connect(&Timer1, &QTimer::timeout, this, [this] { timerFlag_ = 1; });
    Timer1.start();
}
