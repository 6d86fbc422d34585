#pragma once
#include "core/app_state.h"

#include <QWidget>

class TDM1;

// The program's one long-lived window: frameless, 1015 x 607. It owns the
// state the pages share and hands it to the data module.
class TMFormX12 : public QWidget {
    Q_OBJECT
public:
    explicit TMFormX12(TDM1 &dataModule, QWidget *parent = nullptr);
    ~TMFormX12() override;

    AppState &state() { return state_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TDM1 &dm_;
    AppState state_;
};
