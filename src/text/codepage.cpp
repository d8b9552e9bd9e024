// SPDX-License-Identifier: MIT
#include "text/codepage.h"

#include <memory>
#include <string>

#include <unicode/ucnv.h>

namespace phodex {
namespace {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// The Windows code page numbers name ICU's tables that match the Windows
// conversion byte for byte; any other number is tried as ICU's "cpN" alias.
std::string converterName(int codePage) {
    switch (codePage) {
    case kCodePageUtf8:
        return "UTF-8";
    case kCodePageGbk:
        return "windows-936-2000";
    case kCodePageBig5:
        return "windows-950-2000";
    case kCodePageEucKr:
        return "windows-51949";
    default:
        return "cp" + std::to_string(codePage);
    }
}

Converter openConverter(int codePage) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(converterName(codePage).c_str(), &status));
    if (U_FAILURE(status)) {
        return nullptr;
    }
    return converter;
}

// ICU's own answer for the length when the first guess was short; the
// second pass then fits exactly.
template <typename Out, typename Convert> bool convertInto(Out& out, Convert convert) {
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = convert(out.data(), int32_t(out.size()), &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        out.resize(length);
        status = U_ZERO_ERROR;
        length = convert(out.data(), int32_t(out.size()), &status);
    }
    if (U_FAILURE(status)) {
        return false;
    }
    out.resize(length);
    return true;
}

} // namespace

QString DecodeBytes(int codePage, const QByteArray& bytes) {
    Converter converter = openConverter(codePage);
    if (!converter || bytes.isEmpty()) {
        return QString();
    }
    // One byte never gives more than one UTF-16 unit in these code pages, so
    // the first pass nearly always fits.
    QString text(bytes.size(), Qt::Uninitialized);
    const bool converted = convertInto(text, [&](QChar* dest, int32_t capacity, UErrorCode* st) {
        return ucnv_toUChars(converter.get(), reinterpret_cast<UChar*>(dest), capacity,
                             bytes.constData(), int32_t(bytes.size()), st);
    });
    if (!converted) {
        return QString();
    }
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0) {
        text.truncate(nul);
    }
    return text;
}

QByteArray ToGbk(const QString& text) {
    Converter converter = openConverter(kCodePageGbk);
    if (!converter || text.isEmpty()) {
        return QByteArray();
    }
    // Windows writes '?' for a character GBK has no form for; keep that, so
    // exported files and POST bodies read the same as they always did.
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setSubstChars(converter.get(), "?", 1, &status);
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    const bool converted = convertInto(bytes, [&](char* dest, int32_t capacity, UErrorCode* st) {
        return ucnv_fromUChars(converter.get(), dest, capacity,
                               reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()),
                               st);
    });
    return converted ? bytes : QByteArray();
}

} // namespace phodex
