#pragma once
#include <QString>

class BoundPanel;
class Dataset;
class TDM1;

// The generic routines of the edit panels: fill a panel from a record,
// clear, lock and unlock it, and turn it into the INSERT, UPDATE and DELETE
// statements that the pages run. Every text value is escaped, so what is
// stored is what was typed.

// Fills the bound controls from the dataset's current record: texts as
// text, date pickers only their date (the time of day stays), check boxes
// by their bit. A field the dataset lacks throws DbError.
void LoadPanel(BoundPanel &panel, Dataset &dataset);

// Empties every input control, bound or not, and unlocks or locks it.
void ClearPanel(BoundPanel &panel, bool editable);

// Unlocks or locks the input controls that are not silver; values stay.
void EnablePanel(BoundPanel &panel, bool editable);

// Builds the INSERT of a keyword-bound panel, runs it and logs it. A
// refusal of the engine throws DbError and logs nothing.
void InsertFromPanel(BoundPanel &panel, TDM1 &dm);

// Builds the UPDATE of the record whose key is the panel's tag, runs it
// and logs it. A refusal throws DbError and logs nothing.
void UpdateFromPanel(BoundPanel &panel, TDM1 &dm);

// Deletes the record whose key is the panel's tag and logs it. A refusal
// of the engine throws DbError and logs nothing, so the page can say why
// and stay as it was.
void DeleteFromPanel(BoundPanel &panel, TDM1 &dm);

// The statement text of a keyword-bound panel, without running it.
QString insertStatement(BoundPanel &panel);
QString updateStatement(BoundPanel &panel);

struct BillStatement {
    QString sql;
    bool anyControl = false; // false: nothing qualified, nothing to run
};

// The bill panel's INSERT of every bound control, and UPDATE of the
// controls changed since loading (tag 3). Single quotes in texts become
// commas, in the control as well.
BillStatement BillInsertSQL(BoundPanel &panel);
BillStatement BillUpdateSQL(BoundPanel &panel, qint64 billKey);

// Loads the bill panel from the current bill of `bills`, unless the list
// is at its end, on a pending new row or closed, or the page is editing.
// Errors stop the walk silently. Afterwards no control is marked changed.
void CDS1AfterScroll(BoundPanel &panel, Dataset &bills, bool pageEditing);
