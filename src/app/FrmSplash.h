#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

// The window shown, centred on the screen, while start-up loads the tables.
class FrmSplash : public QWidget {
    Q_OBJECT
public:
    // `minimumMillis` is how long the splash stays up at least (2500 in the program).
    explicit FrmSplash(int minimumMillis);

    // 0 until the timer first fires, then 1.
    int gettimer() const { return timerFlag_; }

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Image1;

private:
    QTimer Timer1;
    int timerFlag_ = 0;
};
