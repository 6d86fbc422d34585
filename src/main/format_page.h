#pragma once
#include "main/main_page.h"

#include <QString>

class QFrame;

// Page "单据格式": the layout of the printed bills and their batch printing.
class FormatPage : public MainPage {
    Q_OBJECT
public:
    explicit FormatPage(TDM1 &dataModule, QWidget *parent = nullptr);

    QFrame *Panel7; // holds the batch-print frame

    // Selecting the page previews the bill selected on the bill page.
    void pageSelected() override;
    // The condition that picks the previewed bill: " WHERE (IDS=k)", k 0
    // when the bill page has no bill selected. The preview of the batch
    // print frame shows the bill it selects.
    const QString &previewCondition() const { return previewCondition_; }

private:
    QString previewCondition_;
};
