#pragma once
#include <QString>

// The one way a text value enters a statement: as a literal in single
// quotes with every quote inside doubled, so the engine stores and compares
// exactly the text given.
QString sqlQuote(const QString &text);
