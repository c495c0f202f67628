#pragma once
// An options record as "key=value" lines, the settings table's rows first and
// the window sections last, so that two records compare with a readable diff.
#include "options/LumorcaOptions.h"
#include "options/Overloaded.h"

#include <QStringList>

namespace lumorca::test {

inline QString WinText(const TWinOptions& w) {
    const TFontInfo& f = w.Font;
    return QStringLiteral("%1/%2/%3/%4/%5/%6").arg(f.Name).arg(f.Size).arg(f.Color).arg(f.Bold).arg(f.Italic).arg(w.State);
}

inline QStringList OptionsText(const TLumorcaOptions& o) {
    QStringList lines;
    for (const TOptionRow& row : OptionRows()) {
        const QString value = std::visit(Overloaded{[&](QStringList TLumorcaOptions::*m) { return (o.*m).join(u'|'); },
                                                    [&](QString TLumorcaOptions::*m) { return o.*m; },
                                                    [&](auto m) { return QString::number(o.*m); }},
                                         row.Member);
        lines << row.Key + u'=' + value;
    }
    const std::pair<const char*, const TWinOptions*> windows[] = {{"MainWin", &o.MainWin},
                                                                  {"StructureWin", &o.StructureWin},
                                                                  {"XRefWin", &o.XRefWin},
                                                                  {"CallWin", &o.CallWin},
                                                                  {"SourceWin", &o.SourceWin}};
    for (const auto& [name, w] : windows) lines << QString::fromLatin1(name) + u'=' + WinText(*w);
    return lines;
}

}  // namespace lumorca::test
