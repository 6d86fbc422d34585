#pragma once
#include <QWidget>

class QDate;
class TDM1;

// A page of the main window, working on the data module's lists. The
// window drives every page through the same steps, at start-up after the
// login and when the user selects a page; each page does there what
// concerns its own controls and nothing when a step does not concern it.
class MainPage : public QWidget {
    Q_OBJECT
public:
    explicit MainPage(TDM1 &dataModule, QWidget *parent = nullptr) : QWidget(parent), dm(dataModule) {}

    // Start-up, before the lists open: date pickers show today.
    virtual void setDatesToToday(const QDate &) {}
    // Start-up, once the data module's lists are open: fill the choice lists.
    virtual void fillChoices() {}
    // Start-up, last: edit panels empty and locked.
    virtual void lockPanels() {}
    // The user selected this page (also again while it is on show).
    virtual void pageSelected() {}

protected:
    TDM1 &dm;
};
