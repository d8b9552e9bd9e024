// SPDX-License-Identifier: MIT
// soft.dat of any size and content, and the extension settings file in its
// three encodings.
#include "fuzzinput.h"
#include "settings/initext.h"
#include "settings/recordformat.h"

using namespace phodex;
using phodex::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // Whatever was read, what is saved has the fixed size and reads back as
    // the same settings.
    const QByteArray saved = EncodeSettings(DecodeSettings(bytes));
    Check(saved.size() == kSettingsFileSize, "saved settings have another size");
    Check(EncodeSettings(DecodeSettings(saved)) == saved, "saved settings do not read back");

    fuzz::FuzzInput input(data, size);
    const QString section = input.shortText();
    const QString key = input.shortText();
    const QString text = DecodeIniText(input.rest());
    if (const std::optional<QString> value = FindIniValue(text, section, key))
        Check(value->size() <= text.size(), "an INI value longer than the file");
    return 0;
}
