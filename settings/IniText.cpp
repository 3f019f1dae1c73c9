#include "settings/IniText.h"

namespace kesta {

namespace {

bool IsHexDigit(char16_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

QString HexEscape(char16_t c) {
    return QStringLiteral("\\x") + QString::number(c, 16);
}

// The escape of a control character, quote or backslash; empty for any other character.
QString NamedEscape(char16_t c) {
    switch (c) {
    case '\a':
        return QStringLiteral("\\a");
    case '\b':
        return QStringLiteral("\\b");
    case '\f':
        return QStringLiteral("\\f");
    case '\n':
        return QStringLiteral("\\n");
    case '\r':
        return QStringLiteral("\\r");
    case '\t':
        return QStringLiteral("\\t");
    case '\v':
        return QStringLiteral("\\v");
    case '"':
        return QStringLiteral("\\\"");
    case '\\':
        return QStringLiteral("\\\\");
    default:
        return {};
    }
}

// A reader takes as many hex digits after "\x" (and digits after "\0") as follow, so a hex
// digit right after such an escape is escaped too.
QString Escaped(const QString& text) {
    QString out;
    bool escapeNextHexDigit = false;
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (escapeNextHexDigit && IsHexDigit(c)) {
            out += HexEscape(c);
            continue;
        }
        escapeNextHexDigit = false;
        const QString named = NamedEscape(c);
        if (c == 0) {
            out += QStringLiteral("\\0");
            escapeNextHexDigit = true;
        } else if (!named.isEmpty()) {
            out += named;
        } else if (c <= 0x1F) {
            out += HexEscape(c);
            escapeNextHexDigit = true;
        } else {
            out += qc;
        }
    }
    return out;
}

} // namespace

QByteArray IniValueText(const QString& value) {
    QString text = value;
    // A leading "@" marks a typed value ("@Variant(...)"); a plain text doubles it.
    if (text.contains(QChar(0)))
        text = QStringLiteral("@String(") + text + QLatin1Char(')');
    else if (text.startsWith(QLatin1Char('@')))
        text.prepend(QLatin1Char('@'));
    const QString escaped = Escaped(text);
    const bool quoted = value.contains(QLatin1Char(',')) || value.contains(QLatin1Char(';')) ||
                        value.contains(QLatin1Char('=')) ||
                        escaped.startsWith(QLatin1Char(' ')) || escaped.endsWith(QLatin1Char(' '));
    const QByteArray utf8 = escaped.toUtf8();
    return quoted ? '"' + utf8 + '"' : utf8;
}

} // namespace kesta
