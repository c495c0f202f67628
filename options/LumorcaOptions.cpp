#include "options/LumorcaOptions.h"

#include <QDir>

namespace lumorca {
namespace {

std::vector<std::string> ToLatin1(const QStringList& list) {
    std::vector<std::string> out;
    out.reserve(static_cast<size_t>(list.size()));
    for (const QString& s : list) out.push_back(s.toLatin1().toStdString());
    return out;
}

}  // namespace

QFont TFontInfo::ToQFont() const {
    QFont font(Name);
    if (Size > 0) font.setPointSize(Size);
    font.setBold(Bold);
    font.setItalic(Italic);
    return font;
}

void FillDefaults(TLumorcaOptions& options) {
    options = TLumorcaOptions{};
    options.ProcListingDir = QDir::toNativeSeparators(QDir::currentPath());
}

const std::vector<TOptionRow>& OptionRows() {
#define LUMORCA_OPTION_ROW(key, member, kind, factory, range, analysis, control) \
    {QStringLiteral(key), &TLumorcaOptions::member, range, analysis, QStringLiteral(control)},
    static const std::vector<TOptionRow> rows{LUMORCA_OPTION_SETTINGS(LUMORCA_OPTION_ROW)};
#undef LUMORCA_OPTION_ROW
    return rows;
}

AnalysisSettings ToAnalysisSettings(const TLumorcaOptions& o) {
    AnalysisSettings s;
    for (const TOptionRow& row : OptionRows()) {
        std::visit(
            [&](auto target, auto source) {
                if constexpr (!std::is_same_v<decltype(target), std::monostate>) {
                    using Target = std::remove_reference_t<decltype(s.*target)>;
                    using Source = std::remove_cvref_t<decltype(o.*source)>;
                    if constexpr (std::is_same_v<Source, QStringList>) {
                        if constexpr (std::is_same_v<Target, std::vector<std::string>>) s.*target = ToLatin1(o.*source);
                    } else if constexpr (std::is_arithmetic_v<Target> && std::is_arithmetic_v<Source>) {
                        s.*target = static_cast<Target>(o.*source);
                    }
                }
            },
            row.Analysis, row.Member);
    }
    return s;
}

}  // namespace lumorca
