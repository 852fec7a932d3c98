// SPDX-License-Identifier: GPL-3.0-or-later
#include "StrToInt.h"

#include "Exception.h"
#include "WholeNumber.h"

namespace {

// Enough to recognise what was typed without filling the screen with it.
constexpr qsizetype quotedLength = 40;

QString Quoted(const QString& text) {
    if (text.size() <= quotedLength) return text;
    qsizetype cut = quotedLength;
    if (text.at(cut - 1).isHighSurrogate()) --cut;  // never split a character
    return text.left(cut) + QStringLiteral("…");
}

}  // namespace

std::int32_t StrToInt(const QString& text) {
    if (const auto number = ParseWholeNumber(text.toStdString())) return *number;
    throw EConvertError(QStringLiteral("\"%1\" — не целое число").arg(Quoted(text)));
}
