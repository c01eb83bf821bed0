#include "app/FrmSplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// A road embankment in section with a round culvert barrel through it and the
// stream passing under the road.
QPixmap CulvertDrawing() {
    QPixmap picture(240, 110);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    const QPointF embankment[] = {{20, 95}, {85, 25}, {155, 25}, {220, 95}};
    p.drawPolyline(embankment, 4);
    p.drawLine(QPointF(80, 20), QPointF(160, 20));
    p.drawLine(QPointF(5, 95), QPointF(235, 95));
    p.drawEllipse(QPointF(120, 72), 20, 20);
    p.setPen(QPen(Qt::blue, 2));
    p.drawLine(QPointF(5, 84), QPointF(100, 84));
    p.drawLine(QPointF(104, 84), QPointF(136, 84));
    p.drawLine(QPointF(140, 88), QPointF(235, 88));
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
