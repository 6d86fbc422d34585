#pragma once
#include "main/main_page.h"

#include <QString>

class QFrame;

// Page "单据格式": the layout of the printed bills and their batch printing.
class FormatPage : public MainPage {
    Q_OBJECT
public:
    explicit FormatPage(QWidget *parent = nullptr);

    QFrame *Panel7; // holds the batch-print frame

    // Selecting the page previews the bill selected on the bill page.
    void pageSelected(TDM1 &dm) override;
    // The condition that picks the previewed bill: " WHERE (IDS=k)", k 0
    // when the bill page has no bill selected.
    const QString &previewCondition() const { return previewCondition_; }

private:
    QString previewCondition_;
};
