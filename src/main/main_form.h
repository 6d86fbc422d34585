#pragma once
#include "core/app_state.h"

#include <QWidget>

class CloseArea;
class QLabel;
class QTimer;
class TDM1;

// The program's one long-lived window: frameless, 1015 x 607, with the
// title strip that drags it and the close area. It owns the state the
// pages share and hands it to the data module. Its start-up timer runs the
// login; a failed or abandoned login closes it, which ends the program.
class TMFormX12 : public QWidget {
    Q_OBJECT
public:
    explicit TMFormX12(TDM1 &dataModule, QWidget *parent = nullptr);
    ~TMFormX12() override;

    AppState &state() { return state_; }

    QLabel *Label44; // title
    QLabel *Label36; // status line
    CloseArea *Label37;
    QTimer *Timer2;  // start-up: login, once

    void Timer2Timer();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    TDM1 &dm_;
    AppState state_;
    bool centred_ = false;
};
