#pragma once
#include "core/app_state.h"
#include "platform/dataset/dataset.h"
#include "platform/dataset/dataset_model.h"
#include "platform/db/command.h"
#include "platform/db/connection.h"

#include <QObject>
#include <QString>

#include <functional>

class QComboBox;

// What the data module needs of the bill panel, which lives on the bill page.
struct BillPanelLink {
    // The hidden address and tenant fields (Edit30, Edit31).
    std::function<void(const QString &address, const QString &tenant)> setHouse;
    // Loads the current bill of CDS1 into the panel.
    std::function<void()> loadCurrentBill;
};

// The data module: the one connection and the datasets the pages share,
// the next bill number, the operations log and the filling of lists.
class TDM1 : public QObject {
    Q_OBJECT
public:
    static constexpr const char *databaseFile = "Data.dx";
    static constexpr const char *databaseKey = "Kv7mQp2Lw9Tz";

    explicit TDM1(const QString &databasePath = QString::fromLatin1(databaseFile),
                  QObject *parent = nullptr);

    // The main window hands over the shared state once it exists.
    void setState(AppState *state) { state_ = state; }
    AppState *state() const { return state_; }
    void setBillPanel(BillPanelLink link) { billPanel_ = std::move(link); }
    // How a failure is shown where the module itself reports one (a plain
    // message window by default).
    void setPlainMessage(std::function<void(const QString &)> show) { plainMessage_ = std::move(show); }

    // Next bill number, in decimal: the largest stored number plus one.
    QString CreateDH();
    // Appends one row to LOGS; never fails the caller.
    void AddLog(const QString &table, const QString &linkId, const QString &message,
                const QString &operation);
    // Replaces the combo box's items with one field over every record.
    void FillCombo(const QString &fieldName, Dataset &dataset, QComboBox *combo);

    // After-scroll handlers.
    void CDS1AfterScroll(Dataset &dataset);
    void ADODS2_MAfterScroll(Dataset &dataset);
    void ADOF_MAfterScroll(Dataset &dataset);
    void ADOZH_MAfterScroll(Dataset &dataset);
    void ADOSKRAfterScroll(Dataset &dataset);

    // Query texts.
    static QString houseListQuery(bool withDeposit);
    static QString billsOfHouseQuery(const QString &address);
    static QString payeeRightsQuery();
    static constexpr int logMessageBytes = 250;

    Connection ADOConnection1;
    Dataset CDS1;
    DatasetModel DataSource1;
    Command ADOCmd1;
    Dataset ADODS2_M;
    Dataset ADODS10;
    Dataset ADOZH_M;
    Dataset ADOF_M;
    Dataset ADOSKR;
    Dataset ADOZJ1;
    Dataset ADOF;
    Dataset ADOZH;
    Dataset ADODS2;
    DatasetModel DataSource2;
    DatasetModel DataSource3;
    DatasetModel DataSource4;
    DatasetModel DataSource5;

private:
    AppState *state_ = nullptr;
    BillPanelLink billPanel_;
    std::function<void(const QString &)> plainMessage_;
};

// The data module of the running program; created first at start-up.
extern TDM1 *DM1;
