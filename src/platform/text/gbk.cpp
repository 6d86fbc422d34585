#include "platform/text/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace gbk {
namespace {

// One iconv descriptor per direction, opened on first use.
class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between GBK and UTF-8");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts one unit of input; returns false when the input has no
    // representation in the target code page.
    bool convert(const QByteArray &in, QByteArray &out)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr); // reset shift state
        char buffer[16];
        char *src = const_cast<char *>(in.constData());
        size_t srcLeft = size_t(in.size());
        char *dst = buffer;
        size_t dstLeft = sizeof buffer;
        if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == size_t(-1))
            return false;
        out.append(buffer, int(sizeof buffer - dstLeft));
        return true;
    }

private:
    iconv_t cd_;
};

Converter &toGbk()
{
    static Converter c("CP936", "UTF-8");
    return c;
}

// Calls f(characterText, gbkBytes) for each code point of text, in order.
template <typename F> void forEachCharacter(const QString &text, F f)
{
    for (int i = 0; i < text.size();) {
        const int width = (text.at(i).isHighSurrogate() && i + 1 < text.size()
                           && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
        const QString character = text.mid(i, width);
        QByteArray bytes;
        if (!toGbk().convert(character.toUtf8(), bytes))
            bytes = "?";
        if (!f(character, bytes))
            return;
        i += width;
    }
}

} // namespace

QByteArray encode(const QString &text)
{
    QByteArray result;
    result.reserve(text.size() * 2);
    forEachCharacter(text, [&](const QString &, const QByteArray &bytes) {
        result.append(bytes);
        return true;
    });
    return result;
}

QString decode(const QByteArray &bytes)
{
    QString result;
    for (int i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes.at(i));
        if (lead < 0x80) {
            result.append(QChar(lead));
            ++i;
            continue;
        }
        // A lead byte of 0x81-0xFE starts a double-byte character; 0x80 is the euro sign.
        static Converter fromGbk("UTF-8", "CP936");
        const int width = (lead >= 0x81 && lead <= 0xFE && i + 1 < bytes.size()) ? 2 : 1;
        QByteArray utf8;
        if (fromGbk.convert(bytes.mid(i, width), utf8))
            result.append(QString::fromUtf8(utf8));
        else
            result.append(QChar::ReplacementCharacter);
        i += width;
    }
    return result;
}

int byteLength(const QString &text)
{
    int length = 0;
    forEachCharacter(text, [&](const QString &, const QByteArray &bytes) {
        length += int(bytes.size());
        return true;
    });
    return length;
}

QString leftBytes(const QString &text, int maxBytes)
{
    QString result;
    int used = 0;
    forEachCharacter(text, [&](const QString &character, const QByteArray &bytes) {
        if (used + bytes.size() > maxBytes)
            return false;
        used += int(bytes.size());
        result.append(character);
        return true;
    });
    return result;
}

} // namespace gbk
