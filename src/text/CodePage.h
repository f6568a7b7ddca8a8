// Single-byte Greek code pages: Windows 1253 (print pages, street-name bytes)
// and ISO 8859-7 (upload file).
#pragma once

#include <QByteArray>
#include <QString>

namespace d7 {

enum class CodePage { Windows1253, Iso8859_7 };

// The character of a byte; QChar() for a byte the code page leaves undefined.
QChar DecodeByte(CodePage page, unsigned char byte);
QString DecodeText(CodePage page, const QByteArray &bytes);

// The byte of a character; -1 when the code page lacks it.
int EncodeChar(CodePage page, QChar c);
bool CanEncode(CodePage page, const QString &text);

// Encodes text for an HTML or XML file in the code page: a character the code
// page lacks becomes a numeric character reference, so nothing typed is lost.
QByteArray EncodeForMarkup(CodePage page, const QString &text);

// The capital of each byte in code page 1253: accented small letters become
// accented capitals and the final sigma becomes sigma.
unsigned char UpperCp1253(unsigned char byte);
QByteArray UpperCp1253(const QByteArray &bytes);

}  // namespace d7
