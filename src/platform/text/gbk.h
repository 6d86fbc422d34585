#pragma once
// Conversion to and from the Chinese ANSI code page (GBK, code page 936).
// The program keeps Unicode text; GBK matters only where bytes are counted
// or written to files that readers expect in that code page.

#include <QByteArray>
#include <QString>

namespace gbk {

// Encodes text as GBK. A character the code page lacks becomes '?', as the
// system's own ANSI conversion would write it.
QByteArray encode(const QString &text);

// Decodes GBK bytes; an invalid sequence becomes U+FFFD.
QString decode(const QByteArray &bytes);

// Number of bytes the text takes in GBK.
int byteLength(const QString &text);

// The longest prefix of text whose GBK form fits into maxBytes bytes.
// A double-byte character that would straddle the limit is left out
// whole, so the result never ends in half a character.
QString leftBytes(const QString &text, int maxBytes);

} // namespace gbk
